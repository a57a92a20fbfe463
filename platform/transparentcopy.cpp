#include "platform/transparentcopy.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {
namespace {

constexpr QRgb kRgbMask = 0x00FFFFFF;
constexpr QRgb kOpaque = 0xFF000000;
constexpr int kOutside = -1;

// One axis of the scaling: destinationLength pixels from destinationStart sample
// sourceLength pixels from sourceStart of a bitmap sourceLimit pixels long, and
// the destination bitmap is destinationLimit pixels long.
struct Axis {
    std::int64_t destinationStart;
    std::int64_t destinationLength;
    std::int64_t sourceStart;
    std::int64_t sourceLength;
    std::int64_t sourceLimit;
    std::int64_t destinationLimit;
};

// For each destination coordinate inside the destination bitmap, from the first
// such one, the source coordinate it samples: the source pixel under the centre
// of the destination pixel, or kOutside when that lies outside the source bitmap.
struct Samples {
    int first = 0;
    std::vector<int> source;
};

Samples sampleAxis(const Axis& axis)
{
    const std::int64_t first = std::max<std::int64_t>(axis.destinationStart, 0);
    const std::int64_t end =
        std::min(axis.destinationStart + axis.destinationLength, axis.destinationLimit);
    Samples samples{int(first), {}};
    for (std::int64_t d = first; d < end; ++d) {
        const std::int64_t offset = (2 * (d - axis.destinationStart) + 1) * axis.sourceLength /
                                    (2 * axis.destinationLength);
        const std::int64_t s = axis.sourceStart + offset;
        samples.source.push_back(s >= 0 && s < axis.sourceLimit ? int(s) : kOutside);
    }
    return samples;
}

bool liesWithin(const PixelRect& r, const QImage& bitmap)
{
    return r.x >= 0 && r.y >= 0 && std::int64_t{r.x} + r.width <= bitmap.width() &&
           std::int64_t{r.y} + r.height <= bitmap.height();
}

// Every non-key pixel of a run, in place.
void copyUnkeyed(QRgb* to, const QRgb* from, int count, QRgb keyPixel)
{
    for (int c = 0; c < count; ++c) {
        const QRgb pixel = from[c];
        to[c] = (pixel & kRgbMask) != keyPixel ? pixel | kOpaque : to[c];
    }
}

// A copy at the same size that lies inside both bitmaps samples every pixel in
// turn, so it runs line by line without sampling tables.
void copyUnscaled(QImage& destination, const PixelRect& destinationRect, const QImage& source,
                  const PixelRect& sourceRect, QRgb keyPixel)
{
    for (int r = 0; r < destinationRect.height; ++r) {
        const auto* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(sourceRect.y + r)) + sourceRect.x;
        auto* to = reinterpret_cast<QRgb*>(destination.scanLine(destinationRect.y + r)) +
                   destinationRect.x;
        copyUnkeyed(to, from, destinationRect.width, keyPixel);
    }
}

} // namespace

void transparentCopy(QImage& destination, const PixelRect& destinationRect, const QImage& source,
                     const PixelRect& sourceRect, ColourValue key)
{
    if (destinationRect.isEmpty() || sourceRect.isEmpty() || source.isNull() ||
        destination.isNull())
        return;
    if (destination.format() != QImage::Format_RGB32)
        destination.convertTo(QImage::Format_RGB32);
    const QImage rgbSource = source.format() == QImage::Format_RGB32
                                 ? source
                                 : source.convertToFormat(QImage::Format_RGB32);
    const QRgb keyPixel = toPixel(key) & kRgbMask;
    if (destinationRect.width == sourceRect.width && destinationRect.height == sourceRect.height &&
        liesWithin(destinationRect, destination) && liesWithin(sourceRect, rgbSource)) {
        copyUnscaled(destination, destinationRect, rgbSource, sourceRect, keyPixel);
        return;
    }

    const Samples columns = sampleAxis({destinationRect.x, destinationRect.width, sourceRect.x,
                                        sourceRect.width, rgbSource.width(), destination.width()});
    const Samples rows = sampleAxis({destinationRect.y, destinationRect.height, sourceRect.y,
                                     sourceRect.height, rgbSource.height(), destination.height()});
    if (columns.source.empty() || rows.source.empty())
        return;
    for (std::size_t r = 0; r < rows.source.size(); ++r) {
        if (rows.source[r] == kOutside)
            continue;
        const auto* from = reinterpret_cast<const QRgb*>(rgbSource.constScanLine(rows.source[r]));
        auto* to =
            reinterpret_cast<QRgb*>(destination.scanLine(rows.first + int(r))) + columns.first;
        for (std::size_t c = 0; c < columns.source.size(); ++c) {
            if (columns.source[c] == kOutside)
                continue;
            const QRgb pixel = from[columns.source[c]];
            if ((pixel & kRgbMask) != keyPixel)
                to[c] = pixel | kOpaque;
        }
    }
}

} // namespace platform
