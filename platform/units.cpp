#include "platform/units.h"

#include "platform/runtimeerror.h"

#include <limits>

namespace platform {

std::int32_t twipsFromHimetric(std::int32_t himetric)
{
    const std::int64_t product = std::int64_t{himetric} * 567;
    if (product > std::numeric_limits<std::int32_t>::max() ||
        product < std::numeric_limits<std::int32_t>::min())
        throw RuntimeError(kErrOverflow);
    return static_cast<std::int32_t>(product / 1000);
}

std::int32_t himetricFromPixels(int pixels)
{
    return static_cast<std::int32_t>(roundHalfEven(double(pixels) * kHimetricPerInch / kScreenDpi));
}

} // namespace platform
