#include "files.h"

#include "platform/bitmapfile.h"
#include "platform/runtimeerror.h"
#include "toolerror.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

namespace xbn {

QByteArray readInputFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw ToolError(QStringLiteral("%1: no such file").arg(path));
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ToolError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return bytes;
}

platform::PicturePtr readImage(const QByteArray& bytes, const QString& path)
{
    if (bytes.startsWith("BM")) {
        try {
            return platform::LoadPicture(bytes);
        } catch (const platform::RuntimeError& error) {
            throw ToolError(QStringLiteral("%1: %2").arg(path, error.description()));
        }
    }
    const QImage image = QImage::fromData(bytes);
    if (image.isNull())
        throw ToolError(QStringLiteral("%1: not an image that can be read").arg(path));
    return platform::makePicture(image);
}

bool sameFile(const QString& a, const QString& b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

void writeOutputFile(const QString& path, const QByteArray& bytes, const QStringList& inputs)
{
    for (const QString& input : inputs) {
        if (sameFile(path, input))
            throw ToolError(QStringLiteral("%1: will not write over an input").arg(path));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ToolError(QStringLiteral("%1: %2").arg(path, file.errorString()));
}

} // namespace xbn
