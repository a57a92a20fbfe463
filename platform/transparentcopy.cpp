#include "platform/transparentcopy.h"

#include "platform/pixelruns.h"

#include <QVarLengthArray>
#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

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
// A button's pieces fit on the stack.
struct Samples {
    int first = 0;
    QVarLengthArray<int, 256> source;
    // Whether every sample is inside and each is the one after the one before.
    bool consecutive = true;
};

// Destination pixel d samples source offset ⌊(2·(d − start) + 1) · sourceLength /
// (2 · destinationLength)⌋. The first quotient is taken once; each next one adds the
// step's quotient and carries the remainder.
void sampleAxis(const Axis& axis, Samples& samples)
{
    const std::int64_t first = std::max<std::int64_t>(axis.destinationStart, 0);
    const std::int64_t end =
        std::min(axis.destinationStart + axis.destinationLength, axis.destinationLimit);
    samples.first = int(first);
    if (end <= first)
        return;
    samples.source.reserve(end - first);
    const std::int64_t divisor = 2 * axis.destinationLength;
    // At most (2^32 + 1) · (2^31 − 1), inside 64 bits.
    const std::int64_t numerator = (2 * (first - axis.destinationStart) + 1) * axis.sourceLength;
    std::int64_t quotient = numerator / divisor;
    std::int64_t remainder = numerator % divisor;
    const std::int64_t stepQuotient = 2 * axis.sourceLength / divisor;
    const std::int64_t stepRemainder = 2 * axis.sourceLength % divisor;
    for (std::int64_t d = first; d < end; ++d) {
        const std::int64_t s = axis.sourceStart + quotient;
        const int sample = s >= 0 && s < axis.sourceLimit ? int(s) : kOutside;
        samples.consecutive = samples.consecutive && sample != kOutside &&
                              (samples.source.empty() || sample == samples.source.back() + 1);
        samples.source.push_back(sample);
        quotient += stepQuotient;
        remainder += stepRemainder;
        if (remainder >= divisor) {
            remainder -= divisor;
            ++quotient;
        }
    }
}

bool liesWithin(const PixelRect& r, const QImage& bitmap)
{
    return r.x >= 0 && r.y >= 0 && std::int64_t{r.x} + r.width <= bitmap.width() &&
           std::int64_t{r.y} + r.height <= bitmap.height();
}

// The lines of a 32-bit bitmap, found without asking the bitmap each time.
template <typename Pixel, typename Byte> class Lines {
public:
    Lines(Byte* bits, qsizetype stride)
        : m_bits(bits)
        , m_stride(stride)
    {
    }
    Pixel* operator[](qsizetype y) const { return reinterpret_cast<Pixel*>(m_bits + y * m_stride); }

private:
    Byte* m_bits;
    qsizetype m_stride;
};

// A copy at the same size that lies inside both bitmaps samples every pixel in
// turn, so it runs line by line without sampling tables.
void copyUnscaled(const Lines<QRgb, uchar>& to, const PixelRect& destinationRect,
                  const Lines<const QRgb, const uchar>& from, const PixelRect& sourceRect,
                  QRgb keyPixel)
{
    for (int r = 0; r < destinationRect.height; ++r)
        copyUnkeyedRun(to[destinationRect.y + r] + destinationRect.x,
                       from[sourceRect.y + r] + sourceRect.x, destinationRect.width, keyPixel);
}

void copySampled(const Lines<QRgb, uchar>& to, const Lines<const QRgb, const uchar>& from,
                 const Samples& columns, const Samples& rows, QRgb keyPixel)
{
    const int* sourceColumns = columns.source.data();
    const qsizetype count = columns.source.size();
    for (qsizetype r = 0; r < rows.source.size(); ++r) {
        if (rows.source[r] == kOutside)
            continue;
        const QRgb* line = from[rows.source[r]];
        QRgb* pixels = to[rows.first + r] + columns.first;
        if (columns.consecutive) {
            copyUnkeyedRun(pixels, line + sourceColumns[0], count, keyPixel);
            continue;
        }
        for (qsizetype c = 0; c < count; ++c) {
            if (sourceColumns[c] == kOutside)
                continue;
            const QRgb pixel = line[sourceColumns[c]];
            if ((pixel & kRgbBits) != keyPixel)
                pixels[c] = pixel | kOpaqueBits;
        }
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
    // A copy within one bitmap reads the pixels as they were before it.
    QImage converted;
    if (source.format() != QImage::Format_RGB32)
        converted = source.convertToFormat(QImage::Format_RGB32);
    else if (&source == &destination)
        converted = source.copy();
    const QImage& rgbSource = converted.isNull() ? source : converted;
    const QRgb keyPixel = toPixel(key) & kRgbBits;
    const Lines<QRgb, uchar> to(destination.bits(), destination.bytesPerLine());
    const Lines<const QRgb, const uchar> from(rgbSource.constBits(), rgbSource.bytesPerLine());
    if (destinationRect.width == sourceRect.width && destinationRect.height == sourceRect.height &&
        liesWithin(destinationRect, destination) && liesWithin(sourceRect, rgbSource)) {
        copyUnscaled(to, destinationRect, from, sourceRect, keyPixel);
        return;
    }

    Samples columns;
    sampleAxis({destinationRect.x, destinationRect.width, sourceRect.x, sourceRect.width,
                rgbSource.width(), destination.width()},
               columns);
    Samples rows;
    sampleAxis({destinationRect.y, destinationRect.height, sourceRect.y, sourceRect.height,
                rgbSource.height(), destination.height()},
               rows);
    if (columns.source.empty() || rows.source.empty())
        return;
    copySampled(to, from, columns, rows, keyPixel);
}

} // namespace platform
