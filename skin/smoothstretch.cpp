#include "skin/smoothstretch.h"

#include "platform/units.h"
#include "skin/busyguard.h"

#include <algorithm>
#include <vector>

namespace basGeneral {
namespace {

using platform::ColourValue;

// Nearest integer, an exact half going to the even neighbour, for the small values
// of colour blending: adding and removing 1.5 × 2^52 makes the hardware's default
// rounding drop the fraction. It gives what platform::roundHalfEven gives for any
// |v| < 2^51 at a fraction of its cost, which matters once per channel per pixel.
inline int nearestChannel(double v)
{
    constexpr double kRoundingShift = 6755399441055744.0;
    return static_cast<int>((v + kRoundingShift) - kRoundingShift);
}

// A colour value split into its channels. Division truncates toward zero and the
// remainder keeps the sign of the dividend, so the −1 of a failed read gives red −1,
// green 0 and blue 0.
struct Channels {
    double red;
    double green;
    double blue;
};

Channels split(ColourValue colour)
{
    return {double(colour % 256), double((colour / 256) % 256), double((colour / 65536) % 256)};
}

// A blended channel can fall below 0 only beside a read outside the bitmap (red −1).
// Such a channel is written as 0: the pixel keeps the blend of its real neighbours
// instead of leaving a hole in the face.
inline QRgb packPixel(int red, int green, int blue)
{
    return qRgb(std::max(red, 0), std::max(green, 0), std::max(blue, 0));
}

// Where each source row (or column) ends in the destination: the cell of source
// index i runs from the end of cell i − 1 (0 for the first) to nearest(d / s × (i + 1)).
std::vector<int> cellEnds(int sourceLength, int destinationLength)
{
    std::vector<int> ends(static_cast<std::size_t>(sourceLength));
    const double ratio = double(destinationLength) / double(sourceLength);
    for (int i = 0; i < sourceLength; ++i)
        ends[std::size_t(i)] = int(platform::roundHalfEven(ratio * double(i + 1)));
    return ends;
}

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

    ColourValue at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return -1;
        return platform::fromPixel(reinterpret_cast<const QRgb*>(m_bits + y * m_stride)[x]);
    }

private:
    const uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
};

// A source pixel P with its right (Q), lower (R) and lower-right (S) neighbours.
struct Neighbourhood {
    Channels p;
    Channels q;
    Channels r;
    Channels s;
};

// The destination block of one source pixel, in destination bitmap coordinates.
struct Cell {
    int x;
    int y;
    int width;
    int height;
};

// Fills one cell: down its left and right sides from P toward R and from Q toward S,
// then along each line from left to right, every value rounded on its own.
class CellFiller {
public:
    explicit CellFiller(QImage& bitmap)
        : m_bits(bitmap.bits())
        , m_stride(bitmap.bytesPerLine())
        , m_width(bitmap.width())
        , m_height(bitmap.height())
    {
    }

    void fill(const Neighbourhood& n, const Cell& cell) const
    {
        const double height = cell.height;
        const Channels leftStep{(n.r.red - n.p.red) / height, (n.r.green - n.p.green) / height,
                                (n.r.blue - n.p.blue) / height};
        const Channels rightStep{(n.s.red - n.q.red) / height, (n.s.green - n.q.green) / height,
                                 (n.s.blue - n.q.blue) / height};
        const int firstLine = std::max(0, -cell.y);
        const int endLine = std::min(cell.height, m_height - cell.y);
        const int firstColumn = std::max(0, -cell.x);
        const int endColumn = std::min(cell.width, m_width - cell.x);
        if (firstColumn >= endColumn)
            return;
        for (int k = firstLine; k < endLine; ++k) {
            const double dk = k;
            const int leftRed = nearestChannel(n.p.red + dk * leftStep.red);
            const int leftGreen = nearestChannel(n.p.green + dk * leftStep.green);
            const int leftBlue = nearestChannel(n.p.blue + dk * leftStep.blue);
            const int rightRed = nearestChannel(n.q.red + dk * rightStep.red);
            const int rightGreen = nearestChannel(n.q.green + dk * rightStep.green);
            const int rightBlue = nearestChannel(n.q.blue + dk * rightStep.blue);
            const double width = cell.width;
            const double stepRed = (rightRed - leftRed) / width;
            const double stepGreen = (rightGreen - leftGreen) / width;
            const double stepBlue = (rightBlue - leftBlue) / width;
            QRgb* line = reinterpret_cast<QRgb*>(m_bits + (cell.y + k) * m_stride) + cell.x;
            for (int l = firstColumn; l < endColumn; ++l) {
                const double dl = l;
                line[l] = packPixel(nearestChannel(leftRed + dl * stepRed),
                                    nearestChannel(leftGreen + dl * stepGreen),
                                    nearestChannel(leftBlue + dl * stepBlue));
            }
        }
    }

private:
    uchar* m_bits;
    qsizetype m_stride;
    int m_width;
    int m_height;
};

} // namespace

void SmoothStretch(const platform::PixelSurface& source, std::int16_t sourceX,
                   std::int16_t sourceY, std::int16_t sourceWidth, std::int16_t sourceHeight,
                   std::int16_t destinationWidth, std::int16_t destinationHeight,
                   std::int16_t destinationX, std::int16_t destinationY,
                   platform::PixelSurface& destination)
{
    SubBusy = platform::kTrue;
    if (!source.hasBitmap() || !destination.hasBitmap() || sourceWidth <= 0 || sourceHeight <= 0)
        return;
    const std::vector<int> rowEnds = cellEnds(sourceHeight, destinationHeight);
    const std::vector<int> columnEnds = cellEnds(sourceWidth, destinationWidth);
    const SourcePixels pixels(source.bitmap());
    const CellFiller filler(destination.bitmap());
    for (int i = 0; i < sourceHeight; ++i) {
        const int rowStart = i == 0 ? 0 : rowEnds[std::size_t(i - 1)];
        const int cellHeight = rowEnds[std::size_t(i)] - rowStart;
        if (cellHeight <= 0)
            continue;
        const int y = sourceY + i;
        for (int j = 0; j < sourceWidth; ++j) {
            const int columnStart = j == 0 ? 0 : columnEnds[std::size_t(j - 1)];
            const int cellWidth = columnEnds[std::size_t(j)] - columnStart;
            if (cellWidth <= 0)
                continue;
            const int x = sourceX + j;
            const Neighbourhood n{split(pixels.at(x, y)), split(pixels.at(x + 1, y)),
                                  split(pixels.at(x, y + 1)), split(pixels.at(x + 1, y + 1))};
            filler.fill(n, {destinationX + columnStart, destinationY + rowStart, cellWidth,
                            cellHeight});
        }
    }
}

} // namespace basGeneral
