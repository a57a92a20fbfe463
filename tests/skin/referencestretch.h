#pragma once

#include "platform/colour.h"
#include "platform/pixelsurface.h"
#include "platform/units.h"

#include <algorithm>

// The bilinear stretch written as the cell loop that defines it, one pixel read or
// written at a time: for every source pixel, its cell in the destination and the four
// pixels P, Q, R and S it blends. Slow and plain, for the tests to hold the fast
// routine to.
namespace skintest {

struct Channels {
    int red;
    int green;
    int blue;
};

// Red, green and blue of a colour value; a failed read (−1) gives red −1, green 0
// and blue 0, since the remainder keeps the dividend's sign.
inline Channels splitChannels(platform::ColourValue c)
{
    return {c % 256, (c / 256) % 256, (c / 65536) % 256};
}

inline int nearestInt(double v)
{
    return static_cast<int>(platform::roundHalfEven(v));
}

// nearest(from + step × ((to − from) / steps)), the quotient formed first.
inline int blendChannel(int from, int to, int step, int steps)
{
    return nearestInt(from + step * (double(to - from) / steps));
}

// Cell i of an axis that maps sourceLength pixels onto destinationLength pixels ends
// at nearest(destinationLength / sourceLength × (i + 1)).
inline int cellEnd(int i, int sourceLength, int destinationLength)
{
    return nearestInt(double(destinationLength) / sourceLength * (i + 1));
}

inline int cellStart(int i, int sourceLength, int destinationLength)
{
    return i == 0 ? 0 : cellEnd(i - 1, sourceLength, destinationLength);
}

// A channel below 0 (beside a read outside the bitmap) is written as 0.
inline platform::ColourValue blendedColour(int red, int green, int blue)
{
    return platform::rgbValue(std::max(red, 0), std::max(green, 0), std::max(blue, 0));
}

inline void referenceSmoothStretch(const platform::PixelSurface& source, int xS, int yS, int wS,
                                   int hS, int wD, int hD, int xD, int yD,
                                   platform::PixelSurface& destination)
{
    if (!source.hasBitmap())
        return;
    for (int i = 0; i < hS; ++i) {
        const int rowStart = cellStart(i, hS, hD);
        const int cH = cellEnd(i, hS, hD) - rowStart;
        for (int j = 0; j < wS; ++j) {
            const int colStart = cellStart(j, wS, wD);
            const int cW = cellEnd(j, wS, wD) - colStart;
            if (cW <= 0 || cH <= 0)
                continue;
            const Channels P = splitChannels(source.pixel(xS + j, yS + i));
            const Channels Q = splitChannels(source.pixel(xS + j + 1, yS + i));
            const Channels R = splitChannels(source.pixel(xS + j, yS + i + 1));
            const Channels S = splitChannels(source.pixel(xS + j + 1, yS + i + 1));
            for (int k = 0; k < cH; ++k) {
                const Channels left = {blendChannel(P.red, R.red, k, cH),
                                       blendChannel(P.green, R.green, k, cH),
                                       blendChannel(P.blue, R.blue, k, cH)};
                const Channels right = {blendChannel(Q.red, S.red, k, cH),
                                        blendChannel(Q.green, S.green, k, cH),
                                        blendChannel(Q.blue, S.blue, k, cH)};
                for (int l = 0; l < cW; ++l) {
                    destination.setPixel(xD + colStart + l, yD + rowStart + k,
                                         blendedColour(blendChannel(left.red, right.red, l, cW),
                                                       blendChannel(left.green, right.green, l, cW),
                                                       blendChannel(left.blue, right.blue, l, cW)));
                }
            }
        }
    }
}

} // namespace skintest
