#include "skin/smoothstretch.h"

#include "platform/units.h"
#include "skin/busyguard.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <map>
#include <vector>

namespace basGeneral {
namespace {

using platform::ColourValue;

// Nearest integer, an exact half going to the even neighbour: adding 1.5 × 2^52
// makes the hardware's default rounding drop the fraction and leaves the integer,
// in two's complement, in the low 32 bits of the sum. It gives what
// platform::roundHalfEven gives for any |v| < 2^31 at a fraction of its cost, which
// matters once per channel per pixel.
inline int nearest(double v)
{
    constexpr double kRoundingShift = 6755399441055744.0;
    const auto sum = std::bit_cast<std::uint64_t>(v + kRoundingShift);
    return static_cast<int>(static_cast<std::uint32_t>(sum));
}

// A colour value split into its channels. Division truncates toward zero and the
// remainder keeps the sign of the dividend, so the −1 of a failed read gives red −1,
// green 0 and blue 0.
struct Channels {
    int red;
    int green;
    int blue;
};

inline Channels split(ColourValue colour)
{
    return {colour % 256, (colour / 256) % 256, (colour / 65536) % 256};
}

// A blended channel can fall below 0 only beside a read outside the bitmap (red −1).
// Such a channel is written as 0: the pixel keeps the blend of its real neighbours
// instead of leaving a hole in the face.
inline QRgb packPixel(int red, int green, int blue)
{
    return qRgb(std::max(red, 0), std::max(green, 0), std::max(blue, 0));
}

// The quotients d / n of one divisor n for the differences d of two channels
// (−256 … 256), each the very division the blend performs, made on first use and
// then looked up: most cells of a stretch share a few sizes, and their lines share
// differences.
class Quotients {
public:
    explicit Quotients(int divisor)
        : m_divisor(divisor)
    {
        m_values.fill(kNotYet);
    }

    double of(int difference)
    {
        double& q = m_values[std::size_t(difference + kSpan)];
        if (q == kNotYet)
            q = double(difference) / double(m_divisor);
        return q;
    }

private:
    static constexpr int kSpan = 256;
    // No quotient of a channel difference by a cell size is this large.
    static constexpr double kNotYet = 1024.0;
    int m_divisor;
    std::array<double, 2 * kSpan + 1> m_values;
};

// Where the cells of one axis lie: the cell of source index i runs from the end of
// cell i − 1 (0 for the first) to nearest(d / s × (i + 1)).
class CellAxis {
public:
    CellAxis(int sourceLength, int destinationLength, std::map<int, Quotients>& quotients)
        : m_ends(static_cast<std::size_t>(sourceLength))
        , m_quotients(static_cast<std::size_t>(sourceLength), nullptr)
    {
        const double ratio = double(destinationLength) / double(sourceLength);
        for (int i = 0; i < sourceLength; ++i) {
            m_ends[std::size_t(i)] = nearest(ratio * double(i + 1));
            const int size = length(i);
            if (size > 0)
                m_quotients[std::size_t(i)] = &quotients.try_emplace(size, size).first->second;
        }
    }

    int start(int i) const { return i == 0 ? 0 : m_ends[std::size_t(i - 1)]; }
    int length(int i) const { return m_ends[std::size_t(i)] - start(i); }
    Quotients& quotients(int i) const { return *m_quotients[std::size_t(i)]; }

private:
    std::vector<int> m_ends;
    std::vector<Quotients*> m_quotients;
};

// Direct reads of a 32-bit bitmap, −1 outside it.
class SourcePixels {
public:
    explicit SourcePixels(const QImage& bitmap)
        : m_bits(bitmap.constBits())
        , m_stride(bitmap.bytesPerLine())
        , m_width(bitmap.width())
        , m_height(bitmap.height())
    {
    }

    Channels at(int x, int y) const
    {
        if (!contains(x, y))
            return split(-1);
        return split(platform::fromPixel(pixel(x, y)));
    }

    // The pixel a one-pixel cell takes: the source pixel itself, opaque, or for a
    // read outside (red −1, written as 0) black.
    QRgb copyOf(int x, int y) const { return contains(x, y) ? pixel(x, y) | kOpaque : kOpaque; }

private:
    static constexpr QRgb kOpaque = 0xFF000000;

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    QRgb pixel(int x, int y) const
    {
        return reinterpret_cast<const QRgb*>(m_bits + y * m_stride)[x];
    }

    const uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
};

// The destination block of one source pixel, in destination bitmap coordinates,
// with the quotients of its width and height.
struct Cell {
    int x;
    int y;
    int width;
    int height;
    Quotients& acrossQuotients;
    Quotients& downQuotients;
};

// Fills cells: down each cell's left and right sides from P toward its lower
// neighbour R and from its right neighbour Q toward S, then along each line from
// left to right, every value rounded on its own.
class CellFiller {
public:
    CellFiller(const QImage& source, QImage& destination)
        : m_source(source)
        , m_bits(destination.bits())
        , m_stride(destination.bytesPerLine())
        , m_width(destination.width())
        , m_height(destination.height())
    {
    }

    // A one-pixel cell blends nothing: its value is the source pixel itself.
    void copy(int x, int y, int destinationX, int destinationY) const
    {
        if (destinationX < 0 || destinationY < 0 || destinationX >= m_width ||
            destinationY >= m_height)
            return;
        row(destinationY)[destinationX] = m_source.copyOf(x, y);
    }

    // The cell of the source pixel at (x, y).
    void fill(int x, int y, const Cell& cell) const
    {
        const int firstLine = std::max(0, -cell.y);
        const int endLine = std::min(cell.height, m_height - cell.y);
        const int firstColumn = std::max(0, -cell.x);
        const int endColumn = std::min(cell.width, m_width - cell.x);
        if (firstColumn >= endColumn || firstLine >= endLine)
            return;
        const Channels p = m_source.at(x, y);
        // A cell one pixel wide or one line high blends along one side only: the
        // other terms of the blend are multiplied by 0 and leave the values exact.
        if (cell.width == 1) {
            fillColumn(cell, p, m_source.at(x, y + 1), firstLine, endLine);
            return;
        }
        const Channels q = m_source.at(x + 1, y);
        if (cell.height == 1) {
            fillLine(row(cell.y) + cell.x + firstColumn, p, q, cell.acrossQuotients, firstColumn,
                     endColumn);
            return;
        }
        const Channels r = m_source.at(x, y + 1);
        const Channels s = m_source.at(x + 1, y + 1);
        Quotients& down = cell.downQuotients;
        const double leftSlopeRed = down.of(r.red - p.red);
        const double leftSlopeGreen = down.of(r.green - p.green);
        const double leftSlopeBlue = down.of(r.blue - p.blue);
        const double rightSlopeRed = down.of(s.red - q.red);
        const double rightSlopeGreen = down.of(s.green - q.green);
        const double rightSlopeBlue = down.of(s.blue - q.blue);
        for (int k = firstLine; k < endLine; ++k) {
            const double dk = k;
            const Channels left{nearest(p.red + dk * leftSlopeRed),
                                nearest(p.green + dk * leftSlopeGreen),
                                nearest(p.blue + dk * leftSlopeBlue)};
            const Channels right{nearest(q.red + dk * rightSlopeRed),
                                 nearest(q.green + dk * rightSlopeGreen),
                                 nearest(q.blue + dk * rightSlopeBlue)};
            fillLine(row(cell.y + k) + cell.x + firstColumn, left, right, cell.acrossQuotients,
                     firstColumn, endColumn);
        }
    }

private:
    QRgb* row(int y) const { return reinterpret_cast<QRgb*>(m_bits + y * m_stride); }

    // Lines first … end − 1 of a cell one pixel wide, from P toward R.
    void fillColumn(const Cell& cell, const Channels& p, const Channels& r, int first,
                    int end) const
    {
        Quotients& down = cell.downQuotients;
        const double slopeRed = down.of(r.red - p.red);
        const double slopeGreen = down.of(r.green - p.green);
        const double slopeBlue = down.of(r.blue - p.blue);
        for (int k = first; k < end; ++k) {
            const double dk = k;
            row(cell.y + k)[cell.x] =
                packPixel(nearest(p.red + dk * slopeRed), nearest(p.green + dk * slopeGreen),
                          nearest(p.blue + dk * slopeBlue));
        }
    }

    // Pixels first … end − 1 of a cell line; pixels points at pixel first.
    static void fillLine(QRgb* pixels, const Channels& left, const Channels& right,
                         Quotients& across, int first, int end)
    {
        const double stepRed = across.of(right.red - left.red);
        const double stepGreen = across.of(right.green - left.green);
        const double stepBlue = across.of(right.blue - left.blue);
        for (int l = first; l < end; ++l) {
            const double dl = l;
            pixels[l - first] =
                packPixel(nearest(left.red + dl * stepRed), nearest(left.green + dl * stepGreen),
                          nearest(left.blue + dl * stepBlue));
        }
    }

    SourcePixels m_source;
    uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
};

} // namespace

// On x86-64 the stretch is also built for AVX2 and picked at load time where the
// processor has it. Besides the wider vectors, that keeps its vector code apart from
// the wide-register state that other code (Qt's own fills among it) leaves behind,
// which slows plain SSE code down several times over. Both builds do the same
// arithmetic, without fused multiply-adds, and so give the same pixels. Everything
// the stretch calls is built into each version, so none of it runs as plain SSE.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default"), flatten))
#endif
void SmoothStretch(const platform::PixelSurface& source, std::int16_t sourceX,
                   std::int16_t sourceY, std::int16_t sourceWidth, std::int16_t sourceHeight,
                   std::int16_t destinationWidth, std::int16_t destinationHeight,
                   std::int16_t destinationX, std::int16_t destinationY,
                   platform::PixelSurface& destination)
{
    SubBusy = platform::kTrue;
    if (!source.hasBitmap() || !destination.hasBitmap() || sourceWidth <= 0 || sourceHeight <= 0)
        return;
    std::map<int, Quotients> quotients;
    const CellAxis rows(sourceHeight, destinationHeight, quotients);
    const CellAxis columns(sourceWidth, destinationWidth, quotients);
    const CellFiller filler(source.bitmap(), destination.bitmap());
    for (int i = 0; i < sourceHeight; ++i) {
        const int cellHeight = rows.length(i);
        if (cellHeight <= 0)
            continue;
        for (int j = 0; j < sourceWidth; ++j) {
            const int cellWidth = columns.length(j);
            if (cellWidth <= 0)
                continue;
            const int x = destinationX + columns.start(j);
            const int y = destinationY + rows.start(i);
            if (cellWidth == 1 && cellHeight == 1)
                filler.copy(sourceX + j, sourceY + i, x, y);
            else
                filler.fill(sourceX + j, sourceY + i,
                            {x, y, cellWidth, cellHeight, columns.quotients(j), rows.quotients(i)});
        }
    }
}

} // namespace basGeneral
