#pragma once

#include "platform/colour.h"
#include "platform/pixelrect.h"

#include <QImage>

namespace platform {

// Scales the source rectangle onto the destination rectangle by nearest-neighbour
// sampling and copies every sampled pixel whose colour differs from the key colour;
// key-coloured pixels leave the destination as it was. A zero or negative width or
// height on either side draws nothing. Samples outside the source bitmap and
// pixels outside the destination bitmap are skipped. A destination that is not
// 32-bit RGB is converted to it first.
void transparentCopy(QImage& destination, const PixelRect& destinationRect, const QImage& source,
                     const PixelRect& sourceRect, ColourValue key);

} // namespace platform
