#include "marquee/cellsizing.h"

#include "marquee/glyphtable.h"
#include "platform/units.h"

#include <algorithm>
#include <cmath>

namespace marquee {

std::int16_t cellsForWidth(int widthTwips)
{
    constexpr double kFourPlaces = 10000.0;
    const double cells = double(widthTwips) / platform::kTwipsPerPixel / kCellWidth;
    const double whole = std::trunc(platform::roundHalfEven(cells * kFourPlaces) / kFourPlaces);
    return std::int16_t(std::clamp(whole, 0.0, double(kMaxCells)));
}

} // namespace marquee
