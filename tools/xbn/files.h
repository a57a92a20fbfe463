#pragma once

#include "platform/picture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The tool's file work: reading inputs, and writing outputs without ever replacing one.
namespace xbn {

QByteArray readInputFile(const QString& path);

// A PNG, a bitmap file or any other image Qt reads, as a picture.
platform::PicturePtr readImage(const QByteArray& bytes, const QString& path);

// Whether two paths name the same existing file.
bool sameFile(const QString& a, const QString& b);

// Writes the whole file or nothing, refusing a path that names one of the inputs.
void writeOutputFile(const QString& path, const QByteArray& bytes, const QStringList& inputs);

} // namespace xbn
