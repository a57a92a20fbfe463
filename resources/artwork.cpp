#include "resources/artwork.h"

#include <QFile>

// The resources live in a static library, so they are registered on first use rather
// than by a static initialiser that the linker could leave out.
static void registerArtwork()
{
    Q_INIT_RESOURCE(artwork);
}

namespace artwork {
namespace {

QString resourcePath(const QString& file)
{
    static const bool registered = (registerArtwork(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/artwork/") + file;
}

} // namespace

QImage image(const QString& file)
{
    return QImage(resourcePath(file));
}

QImage image(const QString& file, qreal ratio)
{
    qreal drawnFor = 1.0;
    for (const qreal drawn : kDrawnRatios) {
        drawnFor = drawn;
        if (drawn >= ratio)
            break;
    }
    if (ratio <= 1.0)
        drawnFor = 1.0;
    QImage picture = image(ratioFile(file, drawnFor));
    picture.setDevicePixelRatio(drawnFor);
    return picture;
}

QByteArray contents(const QString& file)
{
    QFile resource(resourcePath(file));
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    return resource.readAll();
}

} // namespace artwork
