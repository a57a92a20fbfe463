#pragma once

#include "platform/colour.h"
#include "platform/pixelrect.h"
#include "platform/pixelsurface.h"

namespace basGeneral {

// Draws one of the nine pieces of a skin: the source rectangle scaled onto the
// destination rectangle, bilinearly when smooth (which ignores the key colour),
// otherwise by the keyed nearest-neighbour copy. Smooth mode takes its coordinates
// in 16 bits and raises the overflow error (6) for a value outside them.
void StretchPiece(platform::PixelSurface& destination, const platform::PixelRect& destinationRect,
                  const platform::PixelSurface& source, const platform::PixelRect& sourceRect,
                  platform::ColourValue keyColour, bool smooth);

} // namespace basGeneral
