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

QByteArray contents(const QString& file)
{
    QFile resource(resourcePath(file));
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    return resource.readAll();
}

} // namespace artwork
