#include "platform/fontsubstitutes.h"

#include <QFont>
#include <QStringList>

namespace platform {

void installFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    // The close button's display face: the rounded one the set-up installs, else the sans
    // every Debian desktop has rather than whatever the font matcher would pick.
    QFont::insertSubstitutions(
        QStringLiteral("Berlin Sans FB"),
        QStringList{QStringLiteral("Comfortaa"), QStringLiteral("DejaVu Sans")});
}

} // namespace platform
