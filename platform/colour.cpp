#include "platform/colour.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {
namespace {

// The desktop's colour indices that the controls name, mapped onto the roles of
// Qt's palette.
bool paletteRoleFor(int index, QPalette::ColorGroup& group, QPalette::ColorRole& role)
{
    group = QPalette::Active;
    switch (index) {
    case 1: role = QPalette::Window; return true;           // desktop
    case 4: role = QPalette::Window; return true;           // menu
    case 5: role = QPalette::Base; return true;             // window
    case 6: role = QPalette::Shadow; return true;           // window frame
    case 7: role = QPalette::WindowText; return true;       // menu text
    case 8: role = QPalette::Text; return true;             // window text
    case 13: role = QPalette::Highlight; return true;       // highlight
    case 14: role = QPalette::HighlightedText; return true; // highlighted text
    case 15: role = QPalette::Button; return true;          // button face
    case 16: role = QPalette::Dark; return true;            // button shadow
    case 17:                                                // grey text
        group = QPalette::Disabled;
        role = QPalette::Text;
        return true;
    case 18: role = QPalette::ButtonText; return true;  // button text
    case 20: role = QPalette::Light; return true;       // button highlight
    case 21: role = QPalette::Shadow; return true;      // dark shadow
    case 22: role = QPalette::Midlight; return true;    // light 3-D
    case 23: role = QPalette::ToolTipText; return true; // tooltip text
    case 24: role = QPalette::ToolTipBase; return true; // tooltip
    default: return false;
    }
}

} // namespace

QColor resolveColour(ColourValue value)
{
    if (!isSystemColour(value))
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    if (!paletteRoleFor(value & 0xFFFF, group, role))
        return Qt::black;
    const QPalette palette = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                 ? QGuiApplication::palette()
                                 : QPalette(QColor(240, 240, 240));
    return palette.color(group, role);
}

} // namespace platform
