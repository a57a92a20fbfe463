#pragma once

#include <cmath>
#include <cstdint>

// Screen units and the integer conventions the controls store and compute with.
namespace platform {

// A 16-bit Boolean as the stored property sets and busy flags keep it.
using Bool16 = std::int16_t;
inline constexpr Bool16 kTrue = -1;
inline constexpr Bool16 kFalse = 0;

// Positions and sizes of windows and controls are kept in twips (1/1440 inch).
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerInch = 1440;

// Pictures report their size in HIMETRIC (0.01 mm); 2540 of them make an inch.
inline constexpr int kHimetricPerInch = 2540;
inline constexpr int kScreenDpi = 96;

// Rounds to the nearest integer, an exact half going to the even neighbour: the
// processor's default rounding, which the program never changes.
inline double roundHalfEven(double v)
{
    return std::nearbyint(v);
}

// Whole pixels from twips at the fixed 15 twips per pixel, halves to even.
inline int pixelsFromTwips(double twips)
{
    return static_cast<int>(roundHalfEven(twips / kTwipsPerPixel));
}

// Twips from a HIMETRIC extent: the integer part of value × 567 / 1000, the product
// taken in 32-bit signed arithmetic as the stored sets were written.
std::int32_t twipsFromHimetric(std::int32_t himetric);

// HIMETRIC of a side of p pixels at 96 dots per inch, rounded.
std::int32_t himetricFromPixels(int pixels);

} // namespace platform
