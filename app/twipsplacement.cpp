#include "app/twipsplacement.h"

#include "platform/units.h"

#include <QWidget>

namespace app {

int pixels(int twips)
{
    return platform::pixelsFromTwips(twips);
}

void place(QWidget& control, const Placement& at)
{
    control.setGeometry(pixels(at.left), pixels(at.top), pixels(at.width), pixels(at.height));
}

} // namespace app
