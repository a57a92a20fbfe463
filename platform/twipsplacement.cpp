#include "platform/twipsplacement.h"

#include "platform/units.h"

#include <QWidget>

namespace platform {

void place(QWidget& control, const Placement& at)
{
    control.setGeometry(pixelsFromTwips(at.left), pixelsFromTwips(at.top),
                        pixelsFromTwips(at.width), pixelsFromTwips(at.height));
}

} // namespace platform
