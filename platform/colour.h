#pragma once

#include <QColor>
#include <QRgb>
#include <cstdint>

// Colour values as the controls store them: a 32-bit integer with red in bits 0-7,
// green in 8-15 and blue in 16-23. A value with the top bit set names a desktop
// colour by index (0x8000000F is the button face).
namespace platform {

using ColourValue = std::int32_t;

inline constexpr ColourValue kButtonFace = static_cast<ColourValue>(0x8000000F);
inline constexpr ColourValue kButtonText = static_cast<ColourValue>(0x80000012);

inline constexpr ColourValue rgbValue(int red, int green, int blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

inline constexpr bool isSystemColour(ColourValue value)
{
    return value < 0;
}

// The colour a value stands for: its own bytes, or the desktop palette's colour for
// a system-colour index (an unknown index gives black).
QColor resolveColour(ColourValue value);

// The opaque pixel of a resolved colour value.
inline QRgb toPixel(ColourValue value)
{
    return resolveColour(value).rgb();
}

// The colour value of a pixel, ignoring its alpha.
inline constexpr ColourValue fromPixel(QRgb pixel)
{
    return rgbValue(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace platform
