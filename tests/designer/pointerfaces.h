#pragma once

#include <QImage>
#include <QList>
#include <QString>

class QWidget;

namespace designertest {

// The normal, hover and pressed faces of a shown button, as the pointer brings them up:
// as it stands, with the pointer moved onto it, and with the left button pressed there.
// The button is released outside afterwards.
QList<QImage> facesByPointer(QWidget& button);

// The file a face Designer showed is kept in: NAME_STATE.png in the folder.
QString faceFile(const QString& folder, const QString& controlName, int state);

// Whether the image has the pixels of the PNG file; when not, it is saved beside the
// file with ".actual.png" appended, to look at.
bool matchesFile(const QImage& image, const QString& file);

// The widget as drawn, in 32-bit RGB.
QImage drawn(QWidget& widget);

} // namespace designertest
