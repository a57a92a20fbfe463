#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>

// The glyph palette: all 53 cells side by side in one 848 × 22 strip, and its
// recolouring to a display colour.
namespace marquee {

inline constexpr QRgb kBackgroundPixel = qRgb(0, 0, 0);
inline constexpr QRgb kUnlitSourcePixel = qRgb(255, 0, 0);
inline constexpr QRgb kLitSourcePixel = qRgb(0, 0, 255);

// Each colour component of an unlit dot lies this far below the lit one.
inline constexpr std::int16_t kUnlitDrop = 155;

// picLED: the source palette drawn from the glyph table, black background, unlit
// dots red and lit dots blue.
const QImage& sourcePalette();

struct ColorBytes {
    std::int16_t red = 0;
    std::int16_t green = 0;
    std::int16_t blue = 0;
};

// The three low bytes of a colour value, taken as they come: a system-colour code
// splits into its own bytes, its top bit ignored.
ColorBytes SplitColor(std::int32_t aColor);

// The value when it lies in 0 to 255, else 0.
std::int16_t ByteOrZero(std::int16_t value);

// The lit and unlit dot colours of a display colour.
QRgb litPixel(std::int32_t aColor);
QRgb unlitPixel(std::int32_t aColor);

// The source palette with its unlit dots in the unlit colour, its lit dots in the lit
// colour and everything else black.
QImage recolouredPalette(const QImage& source, std::int32_t aColor);

} // namespace marquee
