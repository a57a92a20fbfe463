#include "platform/screenmetrics.h"

#include "platform/units.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

struct Override {
    int x = 0;
    int y = 0;
};

Override& current()
{
    static Override value;
    return value;
}

int measured(bool horizontal)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return kTwipsPerPixel;
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    if (dpi <= 0)
        return kTwipsPerPixel;
    return static_cast<int>(roundHalfEven(kTwipsPerInch / dpi));
}

} // namespace

int twipsPerPixelX()
{
    return current().x > 0 ? current().x : measured(true);
}
int twipsPerPixelY()
{
    return current().y > 0 ? current().y : measured(false);
}

void setTwipsPerPixel(int x, int y)
{
    current() = {x, y};
}

} // namespace platform
