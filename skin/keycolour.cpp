#include "skin/keycolour.h"

#include <algorithm>
#include <array>

namespace basGeneral {
namespace {

using platform::rgbValue;

// In the order they are compared.
constexpr std::array kKeyCandidates{
    rgbValue(255, 149, 255), rgbValue(152, 152, 152), rgbValue(148, 34, 158),
    rgbValue(177, 184, 194), rgbValue(255, 0, 0),     rgbValue(0, 0, 0),
    rgbValue(255, 255, 255), rgbValue(255, 0, 255),
};
constexpr platform::ColourValue kFallbackKey = rgbValue(255, 0, 255);

} // namespace

platform::ColourValue GetKeyColor(const platform::PixelSurface& source)
{
    const platform::ColourValue corner = source.pixel(0, 0);
    const bool candidate =
        std::find(kKeyCandidates.begin(), kKeyCandidates.end(), corner) != kKeyCandidates.end();
    return candidate ? corner : kFallbackKey;
}

} // namespace basGeneral
