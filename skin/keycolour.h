#pragma once

#include "platform/colour.h"
#include "platform/pixelsurface.h"

namespace basGeneral {

// The colour a skin marks as transparent: its top-left pixel when that is one of
// the colours the skin artists use for it, otherwise magenta (also when the pixel
// cannot be read).
platform::ColourValue GetKeyColor(const platform::PixelSurface& source);

} // namespace basGeneral
