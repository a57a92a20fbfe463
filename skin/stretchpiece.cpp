#include "skin/stretchpiece.h"

#include "platform/runtimeerror.h"
#include "platform/transparentcopy.h"
#include "skin/smoothstretch.h"

#include <cstdint>
#include <limits>

namespace basGeneral {
namespace {

std::int16_t toInt16(std::int32_t value)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw platform::RuntimeError(platform::kErrOverflow);
    return static_cast<std::int16_t>(value);
}

} // namespace

void StretchPiece(platform::PixelSurface& destination, const platform::PixelRect& destinationRect,
                  const platform::PixelSurface& source, const platform::PixelRect& sourceRect,
                  platform::ColourValue keyColour, bool smooth)
{
    if (!smooth) {
        platform::transparentCopy(destination.bitmap(), destinationRect, source.bitmap(),
                                  sourceRect, keyColour);
        return;
    }
    const std::int16_t sourceX = toInt16(sourceRect.x);
    const std::int16_t sourceY = toInt16(sourceRect.y);
    const std::int16_t sourceWidth = toInt16(sourceRect.width);
    const std::int16_t sourceHeight = toInt16(sourceRect.height);
    const std::int16_t destinationWidth = toInt16(destinationRect.width);
    const std::int16_t destinationHeight = toInt16(destinationRect.height);
    const std::int16_t destinationX = toInt16(destinationRect.x);
    const std::int16_t destinationY = toInt16(destinationRect.y);
    SmoothStretch(source, sourceX, sourceY, sourceWidth, sourceHeight, destinationWidth,
                  destinationHeight, destinationX, destinationY, destination);
}

} // namespace basGeneral
