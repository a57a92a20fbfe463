#include "app/fontsubstitutes.h"

#include <QFont>

namespace app {

void installFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Berlin Sans FB"), QStringLiteral("Comfortaa"));
}

} // namespace app
