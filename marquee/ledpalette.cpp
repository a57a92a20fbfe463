#include "marquee/ledpalette.h"

#include "marquee/glyphtable.h"

namespace marquee {
namespace {

QImage drawSourcePalette()
{
    QImage palette(kCellWidth * kGlyphCount, kCellHeight, QImage::Format_RGB32);
    palette.fill(kBackgroundPixel);
    for (int cell = 0; cell < kGlyphCount; ++cell) {
        for (int row = 0; row < kDotRows; ++row) {
            for (int column = 0; column < kDotColumns; ++column) {
                const bool lit = (kGlyphs[cell][row] >> (kDotColumns - 1 - column)) & 1;
                const int x = kCellWidth * cell + dotOffset(column);
                const int y = dotOffset(row);
                for (const QPoint pixel :
                     {QPoint(x, y), QPoint(x + 1, y), QPoint(x, y + 1), QPoint(x + 1, y + 1)})
                    palette.setPixel(pixel, lit ? kLitSourcePixel : kUnlitSourcePixel);
            }
        }
    }
    return palette;
}

QRgb pixelOf(std::int16_t red, std::int16_t green, std::int16_t blue)
{
    return qRgb(ByteOrZero(red), ByteOrZero(green), ByteOrZero(blue));
}

} // namespace

const QImage& sourcePalette()
{
    static const QImage palette = drawSourcePalette();
    return palette;
}

ColorBytes SplitColor(std::int32_t aColor)
{
    // An arithmetic right shift is the floor of the division, also for the negative
    // system-colour codes.
    return {std::int16_t(aColor & 0xFF), std::int16_t((aColor >> 8) & 0xFF),
            std::int16_t((aColor >> 16) & 0xFF)};
}

std::int16_t ByteOrZero(std::int16_t value)
{
    return value >= 0 && value <= 255 ? value : 0;
}

QRgb litPixel(std::int32_t aColor)
{
    const ColorBytes bytes = SplitColor(aColor);
    return pixelOf(bytes.red, bytes.green, bytes.blue);
}

QRgb unlitPixel(std::int32_t aColor)
{
    const ColorBytes bytes = SplitColor(aColor);
    return pixelOf(std::int16_t(bytes.red - kUnlitDrop), std::int16_t(bytes.green - kUnlitDrop),
                   std::int16_t(bytes.blue - kUnlitDrop));
}

QImage recolouredPalette(const QImage& picture, std::int32_t aColor)
{
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb lit = litPixel(aColor);
    const QRgb unlit = unlitPixel(aColor);
    QImage palette(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(palette.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = from[x] | 0xFF000000u;
            to[x] = pixel == kUnlitSourcePixel ? unlit
                    : pixel == kLitSourcePixel ? lit
                                               : kBackgroundPixel;
        }
    }
    return palette;
}

} // namespace marquee
