#include "pointerfaces.h"

#include <QTest>
#include <QWidget>

namespace designertest {

QImage drawn(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QList<QImage> facesByPointer(QWidget& button)
{
    const QPoint centre = button.rect().center();
    QList<QImage> faces{drawn(button)};
    QTest::mouseMove(&button, centre);
    faces.append(drawn(button));
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, centre);
    faces.append(drawn(button));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));
    return faces;
}

bool matchesFile(const QImage& image, const QString& file)
{
    const QImage expected = QImage(file).convertToFormat(QImage::Format_RGB32);
    const QImage actual = image.convertToFormat(QImage::Format_RGB32);
    if (!expected.isNull() && actual == expected)
        return true;
    actual.save(file + QStringLiteral(".actual.png"));
    return false;
}

QString faceFile(const QString& folder, const QString& controlName, int state)
{
    return QStringLiteral("%1/%2_%3.png").arg(folder, controlName).arg(state);
}

} // namespace designertest
