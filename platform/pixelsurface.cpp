#include "platform/pixelsurface.h"

#include "platform/pixelruns.h"

#include <QList>
#include <QPoint>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {
namespace {

constexpr QRgb kDefaultBrush = 0xFFFFFFFF;
constexpr QRgb kNewBitmap = 0xFF000000;
// The largest bitmap made, 256 MB: far beyond any screen, and well short of sizes
// whose allocation the system may grant and then fail to back.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

// Fills a whole 32-bit bitmap. Written out rather than left to QImage::fill, whose
// vectorised fill leaves the processor's wide registers in a state that slows down
// the ordinary vector code of the stretch run right after it several times over.
void fillAll(QImage& bitmap, QRgb pixel)
{
    uchar* bits = bitmap.bits();
    const qsizetype stride = bitmap.bytesPerLine();
    for (int y = 0; y < bitmap.height(); ++y)
        fillRun(reinterpret_cast<QRgb*>(bits + y * stride), bitmap.width(), pixel);
}

// Whether a line holds a pixel of the colour. It looks at every pixel rather than
// stopping at the first match, which lets the compiler test several at once.
bool containsColour(const QRgb* line, int width, QRgb colour)
{
    int matches = 0;
    for (int x = 0; x < width; ++x)
        matches += (line[x] & kRgbBits) == colour ? 1 : 0;
    return matches > 0;
}

} // namespace

PixelSurface::PixelSurface(const QImage& bitmap)
    : m_bitmap(bitmap.format() == QImage::Format_RGB32
                   ? bitmap
                   : bitmap.convertToFormat(QImage::Format_RGB32))
{
}

PixelSurface PixelSurface::compatibleWithScreen(int width, int height)
{
    PixelSurface surface;
    if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxPixels)
        return surface;
    surface.m_bitmap = QImage(width, height, QImage::Format_RGB32);
    if (!surface.m_bitmap.isNull())
        surface.m_pendingFill = kNewBitmap;
    return surface;
}

void PixelSurface::applyPendingFill() const
{
    if (!m_pendingFill)
        return;
    fillAll(m_bitmap, *m_pendingFill);
    m_pendingFill.reset();
}

const QImage& PixelSurface::bitmap() const
{
    applyPendingFill();
    return m_bitmap;
}

QImage& PixelSurface::bitmap()
{
    applyPendingFill();
    return m_bitmap;
}

ColourValue PixelSurface::pixel(int x, int y) const
{
    if (!m_bitmap.valid(x, y))
        return -1;
    if (m_pendingFill)
        return fromPixel(*m_pendingFill);
    return fromPixel(reinterpret_cast<const QRgb*>(m_bitmap.constScanLine(y))[x]);
}

bool PixelSurface::setPixel(int x, int y, ColourValue colour)
{
    if (!m_bitmap.valid(x, y))
        return false;
    applyPendingFill();
    reinterpret_cast<QRgb*>(m_bitmap.scanLine(y))[x] = toPixel(colour);
    return true;
}

bool PixelSurface::floodFill(int x, int y, ColourValue boundary)
{
    if (!m_bitmap.valid(x, y))
        return false;
    const QRgb border = toPixel(boundary) & kRgbBits;
    auto isBorder = [border](QRgb pixel) { return (pixel & kRgbBits) == border; };
    // A surface of one colour is filled whole, or not at all when that colour is the
    // boundary.
    if (m_pendingFill) {
        if (isBorder(*m_pendingFill))
            return false;
        m_pendingFill = kDefaultBrush;
        return true;
    }
    const int width = m_bitmap.width();
    const int height = m_bitmap.height();
    uchar* bits = m_bitmap.bits();
    const qsizetype stride = m_bitmap.bytesPerLine();
    auto line = [bits, stride](int row) { return reinterpret_cast<QRgb*>(bits + row * stride); };
    if (isBorder(line(y)[x]))
        return false;

    // With no pixel of the boundary colour the area is the whole bitmap.
    bool bounded = false;
    for (int row = 0; row < height && !bounded; ++row)
        bounded = containsColour(line(row), width, border);
    if (!bounded) {
        fillAll(m_bitmap, kDefaultBrush);
        return true;
    }

    // The brush may itself have a colour inside the area, so visited pixels are
    // remembered rather than recognised by their colour.
    std::vector<bool> visited(std::size_t(width) * std::size_t(height), false);
    auto open = [&](int px, int py) {
        return !visited[std::size_t(py) * std::size_t(width) + std::size_t(px)] &&
               !isBorder(line(py)[px]);
    };
    QList<QPoint> pending{QPoint(x, y)};
    while (!pending.isEmpty()) {
        const QPoint seed = pending.takeLast();
        const int row = seed.y();
        if (!open(seed.x(), row))
            continue;
        int left = seed.x();
        while (left > 0 && open(left - 1, row))
            --left;
        int right = seed.x();
        while (right + 1 < width && open(right + 1, row))
            ++right;
        QRgb* pixels = line(row);
        for (int column = left; column <= right; ++column) {
            visited[std::size_t(row) * std::size_t(width) + std::size_t(column)] = true;
            pixels[column] = kDefaultBrush;
        }
        for (int next : {row - 1, row + 1}) {
            if (next < 0 || next >= height)
                continue;
            for (int column = left; column <= right; ++column) {
                if (open(column, next) && (column == left || !open(column - 1, next)))
                    pending.append(QPoint(column, next));
            }
        }
    }
    return true;
}

} // namespace platform
