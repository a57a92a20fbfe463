#include "skin/smoothstretch.h"

#include "platform/units.h"
#include "skin/busyguard.h"

#include <QVarLengthArray>
#include <algorithm>
#include <bit>
#include <cstdint>

namespace basGeneral {
namespace {

using platform::ColourValue;

constexpr int kChannels = 3;

// The per-column working values of a piece as wide as a button's fit on the stack,
// so that stretching one allocates nothing; wider pieces spill to the heap.
constexpr qsizetype kStackColumns = 256;
template <typename T> using ColumnValues = QVarLengthArray<T, kStackColumns>;
template <typename T> using ChannelValues = QVarLengthArray<T, kStackColumns * kChannels>;

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

// A blended channel can fall below 0 only beside a read outside the bitmap (red −1).
// Such a channel is written as 0: the pixel keeps the blend of its real neighbours
// instead of leaving a hole in the face.
inline QRgb packPixel(int red, int green, int blue)
{
    return qRgb(std::max(red, 0), std::max(green, 0), std::max(blue, 0));
}

// Where the cells of one axis lie: the cell of source index i runs from the end of
// cell i − 1 (0 for the first) to nearest(d / s × (i + 1)).
class CellAxis {
public:
    CellAxis(int sourceLength, int destinationLength)
        : m_ratio(double(destinationLength) / double(sourceLength))
    {
    }

    int start(int i) const { return i == 0 ? 0 : end(i - 1); }
    int end(int i) const { return nearest(m_ratio * double(i + 1)); }

private:
    double m_ratio;
};

// The part of a cell that lies inside the destination bitmap: offsets first … end − 1
// from the cell's start at destination coordinate start.
struct CellSpan {
    int start;
    int length;
    int first;
    int end;
};

// The span of the cell from start to end at destination offset origin, on a bitmap
// limit pixels long; empty (first ≥ end) when nothing of it is visible.
CellSpan visibleSpan(int origin, int start, int end, int limit)
{
    const int length = end - start;
    const int at = origin + start;
    return {at, length, std::max(0, -at), std::min(length, limit - at)};
}

// A visible cell of one source row and the sample of its source column in the
// blended line; a cell more than one pixel wide has its right neighbour's sample
// next.
struct ColumnCell {
    CellSpan span;
    int sample;
};

// The visible cells of a source row, with the source columns their blends read: each
// cell's own column and, for a cell more than one pixel wide, the one to its right,
// each column read once.
struct ColumnPlan {
    ColumnValues<ColumnCell> cells;
    ColumnValues<int> sourceColumns;
};

ColumnPlan planColumns(int sourceX, int sourceWidth, int destinationX, int destinationWidth,
                       int bitmapWidth)
{
    ColumnPlan plan;
    plan.cells.reserve(sourceWidth);
    plan.sourceColumns.reserve(2 * qsizetype{sourceWidth});
    const CellAxis axis(sourceWidth, destinationWidth);
    for (int j = 0; j < sourceWidth; ++j) {
        const CellSpan span = visibleSpan(destinationX, axis.start(j), axis.end(j), bitmapWidth);
        if (span.length <= 0 || span.first >= span.end)
            continue;
        if (plan.sourceColumns.empty() || plan.sourceColumns.back() != sourceX + j)
            plan.sourceColumns.push_back(sourceX + j);
        plan.cells.push_back({span, int(plan.sourceColumns.size()) - 1});
        if (span.length > 1)
            plan.sourceColumns.push_back(sourceX + j + 1);
    }
    return plan;
}

// A source row's pixels at the sampled columns, as written unblended (opaque) and
// split into red, green and blue. A read outside the bitmap gives −1, which splits
// into red −1, green 0 and blue 0 and is written as black.
class SampledRow {
public:
    explicit SampledRow(qsizetype samples)
        : m_pixels(samples)
        , m_channels(samples * kChannels)
    {
    }

    void read(const QImage& bitmap, int y, const ColumnValues<int>& columns)
    {
        const bool rowInside = y >= 0 && y < bitmap.height();
        const auto* line =
            rowInside ? reinterpret_cast<const QRgb*>(bitmap.constScanLine(y)) : nullptr;
        const int width = bitmap.width();
        for (qsizetype s = 0; s < columns.size(); ++s) {
            const int x = columns[s];
            if (rowInside && x >= 0 && x < width)
                store(s, line[x]);
            else
                storeOutside(s);
        }
    }

    const QRgb* pixels() const { return m_pixels.data(); }
    const int* channels() const { return m_channels.data(); }

private:
    static constexpr QRgb kOpaque = 0xFF000000;

    void store(qsizetype s, QRgb pixel)
    {
        m_pixels[s] = pixel | kOpaque;
        int* c = &m_channels[s * kChannels];
        c[0] = qRed(pixel);
        c[1] = qGreen(pixel);
        c[2] = qBlue(pixel);
    }

    void storeOutside(qsizetype s)
    {
        m_pixels[s] = kOpaque;
        int* c = &m_channels[s * kChannels];
        c[0] = -1;
        c[1] = 0;
        c[2] = 0;
    }

    ColumnValues<QRgb> m_pixels;
    ChannelValues<int> m_channels;
};

// Blends the cells of one source row at a time. Down a cell, its left side runs
// from P toward its lower neighbour R and its right side from Q toward S; the right
// side of a cell is the left side of the cell to its right, so each line of the row
// first blends every sampled column down to that line, and then each cell's line
// runs from its column's value toward the next one's, every value rounded on its own.
class RowBlender {
public:
    RowBlender(const QImage& source, const ColumnValues<int>& sourceColumns)
        : m_source(source)
        , m_columns(sourceColumns)
        , m_top(sourceColumns.size())
        , m_lower(sourceColumns.size())
        , m_slope(sourceColumns.size() * kChannels)
        , m_line(sourceColumns.size() * kChannels)
    {
    }

    // Takes the sampled columns' pixels of source row y and, for cells more than one
    // line high, how they move toward the next row.
    void startRow(int y, int cellHeight)
    {
        m_top.read(m_source, y, m_columns);
        if (cellHeight == 1)
            return;
        m_lower.read(m_source, y + 1, m_columns);
        const int* top = m_top.channels();
        const int* lower = m_lower.channels();
        const double height = cellHeight;
        for (qsizetype n = 0; n < m_slope.size(); ++n)
            m_slope[n] = double(lower[n] - top[n]) / height;
    }

    // The row's own pixels, which the first line of its cells takes unblended.
    const SampledRow& top() const { return m_top; }

    // Every sampled column blended down to line k of the row's cells.
    const int* blendLine(int k)
    {
        if (k == 0)
            return m_top.channels();
        const double dk = k;
        const int* top = m_top.channels();
        const double* slope = m_slope.data();
        int* line = m_line.data();
        for (qsizetype n = 0; n < m_line.size(); ++n)
            line[n] = nearest(top[n] + dk * slope[n]);
        return line;
    }

private:
    const QImage& m_source;
    const ColumnValues<int>& m_columns;
    SampledRow m_top;
    SampledRow m_lower;
    ChannelValues<double> m_slope;
    ChannelValues<int> m_line;
};

// One line of a cell more than one pixel wide, from the value of its column toward
// the next column's value.
void blendCellLine(QRgb* row, const ColumnCell& cell, const int* line)
{
    const int* left = line + cell.sample * kChannels;
    const int* right = left + kChannels;
    QRgb* pixels = row + cell.span.start;
    const double red = left[0];
    const double green = left[1];
    const double blue = left[2];
    const double length = cell.span.length;
    const double stepRed = double(right[0] - left[0]) / length;
    const double stepGreen = double(right[1] - left[1]) / length;
    const double stepBlue = double(right[2] - left[2]) / length;
    // Held apart from the cell: the pixel stores could otherwise alias its bounds.
    const int first = cell.span.first;
    const int end = cell.span.end;
    for (int l = first; l < end; ++l) {
        const double dl = l;
        pixels[l] = packPixel(nearest(red + dl * stepRed), nearest(green + dl * stepGreen),
                              nearest(blue + dl * stepBlue));
    }
}

// Line k of a row's cells. A cell one pixel wide takes its column's value as it is,
// and on the first line that is the source pixel itself.
void fillLine(QRgb* row, const ColumnValues<ColumnCell>& cells, RowBlender& blender, int k)
{
    const int* line = blender.blendLine(k);
    const QRgb* unblended = blender.top().pixels();
    for (const ColumnCell& cell : cells) {
        if (cell.span.length > 1)
            blendCellLine(row, cell, line);
        else if (k == 0)
            row[cell.span.start] = unblended[cell.sample];
        else {
            const int* value = line + cell.sample * kChannels;
            row[cell.span.start] = packPixel(value[0], value[1], value[2]);
        }
    }
}

} // namespace

// On x86-64 the stretch is also built for AVX2 and picked at load time where the
// processor has it. Besides the wider vectors, that keeps its vector code apart from
// the wide-register state that other code (Qt's own fills among it) leaves behind,
// which slows plain SSE code down several times over. Both builds do the same
// arithmetic, without fused multiply-adds, and so give the same pixels. Everything
// the stretch calls is built into each version, so none of it runs as plain SSE.
#if defined(__x86_64__) && defined(__clang__)
// Clang takes no flatten beside target_clones; only the fuzzing build uses it.
__attribute__((target_clones("avx2", "default")))
#elif defined(__x86_64__) && defined(__GNUC__)
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
    QImage& bitmap = destination.bitmap();
    const ColumnPlan columns =
        planColumns(sourceX, sourceWidth, destinationX, destinationWidth, bitmap.width());
    if (columns.cells.empty())
        return;
    uchar* bits = bitmap.bits();
    const qsizetype stride = bitmap.bytesPerLine();
    RowBlender blender(source.bitmap(), columns.sourceColumns);
    const CellAxis rows(sourceHeight, destinationHeight);
    for (int i = 0; i < sourceHeight; ++i) {
        const CellSpan span =
            visibleSpan(destinationY, rows.start(i), rows.end(i), bitmap.height());
        if (span.length <= 0 || span.first >= span.end)
            continue;
        blender.startRow(sourceY + i, span.length);
        for (int k = span.first; k < span.end; ++k)
            fillLine(reinterpret_cast<QRgb*>(bits + (span.start + k) * stride), columns.cells,
                     blender, k);
    }
}

} // namespace basGeneral
