#pragma once

#include "platform/colour.h"

#include <QImage>

// Small images for the skin tests, built pixel by pixel so every expectation can be
// traced back to a known colour.
namespace skintest {

// The main window's skins start with this grey, which is no key candidate.
inline constexpr platform::ColourValue kPlainCorner = platform::rgbValue(98, 98, 98);
inline constexpr platform::ColourValue kMagenta = platform::rgbValue(255, 0, 255);
inline constexpr platform::ColourValue kWhite = platform::rgbValue(255, 255, 255);
inline constexpr platform::ColourValue kBlack = 0;
// What a target shows before drawing, so that show-through is visible.
inline constexpr platform::ColourValue kBehind = platform::rgbValue(1, 2, 3);

// A skin whose pixels all differ from their neighbours and from every key candidate
// but the top-left one, which is topLeft.
inline QImage patternedSkin(int width, int height, platform::ColourValue topLeft = kPlainCorner)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(20 + (x * 7) % 200, 20 + (y * 9) % 200, 20 + (x * y) % 200));
    image.setPixel(0, 0, platform::toPixel(topLeft));
    return image;
}

inline QImage filled(int width, int height, platform::ColourValue colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(platform::toPixel(colour));
    return image;
}

inline platform::ColourValue at(const QImage& image, int x, int y)
{
    return platform::fromPixel(image.pixel(x, y));
}

} // namespace skintest
