#pragma once

#include "platform/pixelsurface.h"

#include <cstdint>

namespace basGeneral {

// Bilinear enlargement or reduction of the source rectangle onto the destination
// rectangle. Every source pixel owns a block of destination pixels (its cell), which
// blends from it toward its right and lower neighbours without reaching them; a
// cell of one pixel copies the source pixel exactly, and a source pixel whose cell
// comes out empty is dropped. Neighbours outside the source rectangle are read from
// the bitmap as they are. Marks SubBusy and leaves it for the caller to clear; a
// source without a bitmap draws nothing.
void SmoothStretch(const platform::PixelSurface& source, std::int16_t sourceX, std::int16_t sourceY,
                   std::int16_t sourceWidth, std::int16_t sourceHeight,
                   std::int16_t destinationWidth, std::int16_t destinationHeight,
                   std::int16_t destinationX, std::int16_t destinationY,
                   platform::PixelSurface& destination);

// Which build of the stretch this processor runs: "avx2" or "default".
const char* SmoothStretchBuild();

} // namespace basGeneral
