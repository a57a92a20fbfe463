#include "resources/artwork.h"

// The resources live in a static library, so they are registered on first use rather
// than by a static initialiser that the linker could leave out.
static void registerArtwork()
{
    Q_INIT_RESOURCE(artwork);
}

namespace artwork {

QImage image(const QString& file)
{
    static const bool registered = (registerArtwork(), true);
    Q_UNUSED(registered);
    return QImage(QStringLiteral(":/artwork/") + file);
}

} // namespace artwork
