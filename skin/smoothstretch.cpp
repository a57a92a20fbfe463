#include "skin/smoothstretch.h"

#include "platform/pixelruns.h"
#include "platform/units.h"
#include "skin/busyguard.h"

#include <QVarLengthArray>
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace basGeneral {
namespace {

// The per-column working values of a piece as wide as a button's fit on the stack,
// so that stretching one allocates nothing; wider pieces spill to the heap.
constexpr qsizetype kStackColumns = 256;
template <typename T> using ColumnValues = QVarLengthArray<T, kStackColumns>;

// The blending runs on four values at once in the processor's vector registers,
// lane by lane the same arithmetic as one value at a time, at every optimisation
// level.
constexpr int kLanes = 4;
using Doubles = double __attribute__((vector_size(kLanes * sizeof(double))));
using Longs = std::int64_t __attribute__((vector_size(kLanes * sizeof(std::int64_t))));
using ULongs = std::uint64_t __attribute__((vector_size(kLanes * sizeof(std::uint64_t))));
using Ints = std::int32_t __attribute__((vector_size(kLanes * sizeof(std::int32_t))));
using Pixels = std::uint32_t __attribute__((vector_size(kLanes * sizeof(std::uint32_t))));

// Nearest integer, an exact half going to the even neighbour: adding 1.5 × 2^52
// makes the hardware's default rounding drop the fraction and leaves the integer,
// in two's complement, in the low 32 bits of the sum. It gives what
// platform::roundHalfEven gives for any |v| < 2^31 at a fraction of its cost, which
// matters once per channel per pixel.
constexpr double kRoundingShift = 6755399441055744.0;

inline int nearest(double v)
{
    const auto sum = std::bit_cast<std::uint64_t>(v + kRoundingShift);
    return static_cast<int>(static_cast<std::uint32_t>(sum));
}

inline Ints nearest(Doubles v)
{
    return __builtin_convertvector(std::bit_cast<Longs>(v + kRoundingShift), Ints);
}

inline Ints loadInts(const int* from)
{
    Ints values;
    std::memcpy(&values, from, sizeof values);
    return values;
}

inline Doubles loadDoubles(const double* from)
{
    Doubles values;
    std::memcpy(&values, from, sizeof values);
    return values;
}

// A blended channel can fall below 0 only beside a read outside the bitmap (red −1).
// Such a channel is written as 0: the pixel keeps the blend of its real neighbours
// instead of leaving a hole in the face.
inline Pixels channelByte(Ints channel)
{
    return std::bit_cast<Pixels>(channel & (channel > 0)) & 0xFFu;
}

inline Pixels packPixels(Ints red, Ints green, Ints blue)
{
    return 0xFF000000u | channelByte(red) << 16 | channelByte(green) << 8 | channelByte(blue);
}

// The same packing straight from the rounded sums of blends that lie between two
// channel values, so from −1 to 255: the low nine bits of such a sum are 0x1FF for
// −1 and the value itself otherwise, and adding back the ninth bit carries −1 to 0.
// It keeps the work in the sums' own lanes, with one narrowing per pixel.
inline ULongs blendedByte(Doubles blend)
{
    const ULongs low = std::bit_cast<ULongs>(blend + kRoundingShift) & 0x1FFu;
    return (low + (low >> 8)) & 0xFFu;
}

inline Pixels packBlends(Doubles red, Doubles green, Doubles blue)
{
    const ULongs pixels =
        0xFF000000u | blendedByte(red) << 16 | blendedByte(green) << 8 | blendedByte(blue);
    return __builtin_convertvector(pixels, Pixels);
}

// Where the cells of one axis lie: the cell of source index i runs from the end of
// cell i − 1 (0 for the first) to nearest(d / s × (i + 1)).
class CellAxis {
public:
    CellAxis(int sourceLength, int destinationLength)
        : m_ratio(double(destinationLength) / double(sourceLength))
    {
    }

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

    bool visible() const { return length > 0 && first < end; }
};

// The span of the cell from start to end at destination offset origin, on a bitmap
// limit pixels long; empty (first ≥ end) when nothing of it is visible.
CellSpan visibleSpan(int origin, int start, int end, int limit)
{
    const int length = end - start;
    const int at = origin + start;
    return {at, length, std::max(0, -at), std::min(length, limit - at)};
}

// A visible cell more than one pixel wide and the sample of its source column in the
// blended line; its right neighbour's sample is the next one.
struct WideCell {
    CellSpan span;
    int sample;
};

// Visible cells one pixel wide side by side whose samples lie side by side too: count
// pixels from x take the samples from sample on.
struct NarrowRun {
    int x;
    int sample;
    int count;
};

// The visible cells of a source row, with the source columns their blends read: each
// cell's own column and, for a cell more than one pixel wide, the one to its right,
// each column read once and in order.
struct ColumnPlan {
    ColumnValues<WideCell> wideCells;
    ColumnValues<NarrowRun> narrowRuns;
    ColumnValues<int> sourceColumns;
    // The cells tile the destination, so the visible ones run side by side up to here.
    int visibleEnd = 0;

    bool empty() const { return wideCells.empty() && narrowRuns.empty(); }
};

void addNarrowCell(ColumnValues<NarrowRun>& runs, int x, int sample)
{
    if (!runs.empty()) {
        NarrowRun& run = runs.back();
        if (run.x + run.count == x && run.sample + run.count == sample) {
            ++run.count;
            return;
        }
    }
    runs.push_back({x, sample, 1});
}

ColumnPlan planColumns(int sourceX, int sourceWidth, int destinationX, int destinationWidth,
                       int bitmapWidth)
{
    ColumnPlan plan;
    plan.sourceColumns.reserve(2 * qsizetype{sourceWidth});
    const CellAxis axis(sourceWidth, destinationWidth);
    int cellEnd = 0;
    for (int j = 0; j < sourceWidth; ++j) {
        const int cellStart = cellEnd;
        cellEnd = axis.end(j);
        if (cellEnd <= cellStart)
            continue;
        const CellSpan span = visibleSpan(destinationX, cellStart, cellEnd, bitmapWidth);
        if (!span.visible())
            continue;
        if (plan.sourceColumns.empty() || plan.sourceColumns.back() != sourceX + j)
            plan.sourceColumns.push_back(sourceX + j);
        const int sample = int(plan.sourceColumns.size()) - 1;
        plan.visibleEnd = span.start + span.end;
        if (span.length == 1) {
            addNarrowCell(plan.narrowRuns, span.start, sample);
            continue;
        }
        plan.wideCells.push_back({span, sample});
        plan.sourceColumns.push_back(sourceX + j + 1);
    }
    return plan;
}

// Room for the samples rounded up to whole vectors.
qsizetype paddedLength(qsizetype samples)
{
    return (samples + kLanes - 1) / kLanes * kLanes;
}

// One channel's values at the sampled columns.
using ChannelLine = ColumnValues<int>;

struct ChannelLines {
    explicit ChannelLines(qsizetype length)
        : red(length, 0)
        , green(length, 0)
        , blue(length, 0)
    {
    }

    ChannelLine red;
    ChannelLine green;
    ChannelLine blue;
};

// The sampled columns that lie inside a bitmap width pixels wide: samples first …
// end − 1, since the columns ascend.
struct InsideSamples {
    qsizetype first;
    qsizetype end;
};

InsideSamples insideSamples(const ColumnValues<int>& columns, int width)
{
    const auto first = std::lower_bound(columns.begin(), columns.end(), 0);
    const auto end = std::lower_bound(first, columns.end(), width);
    return {first - columns.begin(), end - columns.begin()};
}

// A source row's pixels at the sampled columns, as written unblended (opaque), and
// when asked split into red, green and blue. A read outside the bitmap gives −1,
// which splits into red −1, green 0 and blue 0 and is written as black. The lanes
// past the last sample hold black.
class SampledRow {
public:
    explicit SampledRow(qsizetype samples)
        : m_samples(samples)
        , m_pixels(paddedLength(samples), platform::kOpaqueBits)
        , m_channels(paddedLength(samples))
    {
    }

    void read(const QImage& bitmap, int y, const ColumnValues<int>& columns, InsideSamples inside)
    {
        m_inside = y >= 0 && y < bitmap.height() ? inside : InsideSamples{0, 0};
        std::fill(m_pixels.begin(), m_pixels.begin() + m_inside.first, platform::kOpaqueBits);
        std::fill(m_pixels.begin() + m_inside.end, m_pixels.begin() + m_samples,
                  platform::kOpaqueBits);
        if (m_inside.first >= m_inside.end)
            return;
        const auto* line = reinterpret_cast<const QRgb*>(bitmap.constScanLine(y));
        for (qsizetype s = m_inside.first; s < m_inside.end; ++s)
            m_pixels[s] = line[columns[s]] | platform::kOpaqueBits;
    }

    void split()
    {
        for (qsizetype n = 0; n < m_pixels.size(); n += kLanes) {
            Pixels pixels;
            std::memcpy(&pixels, &m_pixels[n], sizeof pixels);
            storeInts(&m_channels.red[n], pixels >> 16);
            storeInts(&m_channels.green[n], pixels >> 8);
            storeInts(&m_channels.blue[n], pixels);
        }
        std::fill(m_channels.red.begin(), m_channels.red.begin() + m_inside.first, -1);
        std::fill(m_channels.red.begin() + m_inside.end, m_channels.red.begin() + m_samples, -1);
    }

    const QRgb* pixels() const { return m_pixels.data(); }
    const ChannelLines& channels() const { return m_channels; }

private:
    static void storeInts(int* to, Pixels channel)
    {
        const Ints values = __builtin_convertvector(channel & 0xFFu, Ints);
        std::memcpy(to, &values, sizeof values);
    }

    qsizetype m_samples;
    InsideSamples m_inside{0, 0};
    ColumnValues<QRgb> m_pixels;
    ChannelLines m_channels;
};

// How one channel of the sampled columns moves down a cell toward the next row.
void slopeDown(const ChannelLine& top, const ChannelLine& lower, double height,
               ColumnValues<double>& slope)
{
    for (qsizetype n = 0; n < slope.size(); n += kLanes) {
        const Doubles difference =
            __builtin_convertvector(loadInts(&lower[n]) - loadInts(&top[n]), Doubles);
        const Doubles lanes = difference / height;
        std::memcpy(&slope[n], &lanes, sizeof lanes);
    }
}

// One channel of the sampled columns blended down to line k.
void blendDown(const ChannelLine& top, const ColumnValues<double>& slope, double k,
               ChannelLine& line)
{
    for (qsizetype n = 0; n < line.size(); n += kLanes) {
        const Ints lanes = nearest(__builtin_convertvector(loadInts(&top[n]), Doubles) +
                                   k * loadDoubles(&slope[n]));
        std::memcpy(&line[n], &lanes, sizeof lanes);
    }
}

// Blends the cells of one source row at a time. Down a cell, its left side runs
// from P toward its lower neighbour R and its right side from Q toward S; the right
// side of a cell is the left side of the cell to its right, so each line of the row
// first blends every sampled column down to that line, and then each cell's line
// runs from its column's value toward the next one's, every value rounded on its own.
class RowBlender {
public:
    RowBlender(const QImage& source, const ColumnPlan& plan)
        : RowBlender(source, plan.sourceColumns, !plan.wideCells.empty())
    {
    }

    // Takes the sampled columns' pixels of source row y and, for cells more than one
    // line high, how they move toward the next row.
    void startRow(int y, int cellHeight)
    {
        m_top.read(m_source, y, m_columns, m_inside);
        if (m_blendsAcross || cellHeight > 1)
            m_top.split();
        if (cellHeight == 1)
            return;
        m_lower.read(m_source, y + 1, m_columns, m_inside);
        m_lower.split();
        const ChannelLines& top = m_top.channels();
        const ChannelLines& lower = m_lower.channels();
        const double height = cellHeight;
        slopeDown(top.red, lower.red, height, m_slopeRed);
        slopeDown(top.green, lower.green, height, m_slopeGreen);
        slopeDown(top.blue, lower.blue, height, m_slopeBlue);
    }

    // Every sampled column blended down to line k of the row's cells.
    const ChannelLines& blendLine(int k)
    {
        if (k == 0)
            return m_top.channels();
        const ChannelLines& top = m_top.channels();
        const double dk = k;
        blendDown(top.red, m_slopeRed, dk, m_line.red);
        blendDown(top.green, m_slopeGreen, dk, m_line.green);
        blendDown(top.blue, m_slopeBlue, dk, m_line.blue);
        return m_line;
    }

    // The sampled columns of line k as pixels: the row's own pixels on its first
    // line, its blended line packed on the others.
    const QRgb* pixelLine(int k, const ChannelLines& line)
    {
        if (k == 0)
            return m_top.pixels();
        for (qsizetype n = 0; n < m_packed.size(); n += kLanes) {
            const Pixels lanes = packPixels(loadInts(&line.red[n]), loadInts(&line.green[n]),
                                            loadInts(&line.blue[n]));
            std::memcpy(&m_packed[n], &lanes, sizeof lanes);
        }
        return m_packed.data();
    }

private:
    RowBlender(const QImage& source, const ColumnValues<int>& sourceColumns, bool blendsAcross)
        : m_source(source)
        , m_columns(sourceColumns)
        , m_inside(insideSamples(sourceColumns, source.width()))
        , m_blendsAcross(blendsAcross)
        , m_top(sourceColumns.size())
        , m_lower(sourceColumns.size())
        , m_slopeRed(paddedLength(sourceColumns.size()))
        , m_slopeGreen(paddedLength(sourceColumns.size()))
        , m_slopeBlue(paddedLength(sourceColumns.size()))
        , m_line(paddedLength(sourceColumns.size()))
        , m_packed(paddedLength(sourceColumns.size()))
    {
    }

    const QImage& m_source;
    const ColumnValues<int>& m_columns;
    InsideSamples m_inside;
    // Whether cells more than one pixel wide blend toward their right neighbours,
    // which needs the row's channels even on its first line.
    bool m_blendsAcross;
    SampledRow m_top;
    SampledRow m_lower;
    ColumnValues<double> m_slopeRed;
    ColumnValues<double> m_slopeGreen;
    ColumnValues<double> m_slopeBlue;
    ChannelLines m_line;
    ColumnValues<QRgb> m_packed;
};

// One line of a cell more than one pixel wide, from the value of its column toward
// the next column's value: pixel l takes nearest(left + l × ((right − left) / width))
// per channel, four pixels at a time. The last four may run into the cells to the
// right, which are drawn afterwards, up to writableEnd.
void blendCellLine(QRgb* row, const WideCell& cell, const ChannelLines& line, int writableEnd)
{
    const int s = cell.sample;
    const double length = cell.span.length;
    const double red = line.red[s];
    const double green = line.green[s];
    const double blue = line.blue[s];
    const double stepRed = double(line.red[s + 1] - line.red[s]) / length;
    const double stepGreen = double(line.green[s + 1] - line.green[s]) / length;
    const double stepBlue = double(line.blue[s + 1] - line.blue[s]) / length;
    QRgb* pixels = row + cell.span.start;
    const int end = cell.span.end;
    const int writable = writableEnd - cell.span.start;
    Doubles dl = double(cell.span.first) + Doubles{0, 1, 2, 3};
    for (int l = cell.span.first; l < end; l += kLanes, dl += kLanes) {
        const Pixels values =
            packBlends(red + dl * stepRed, green + dl * stepGreen, blue + dl * stepBlue);
        if (l + kLanes <= writable)
            std::memcpy(pixels + l, &values, sizeof values);
        else
            for (int lane = 0; lane < end - l; ++lane)
                pixels[l + lane] = values[lane];
    }
}

// Line k of a row's cells. A cell one pixel wide takes its column's value as it is,
// and on the first line that is the source pixel itself.
void fillLine(QRgb* row, const ColumnPlan& columns, RowBlender& blender, int k)
{
    const ChannelLines& line = blender.blendLine(k);
    for (const WideCell& cell : columns.wideCells)
        blendCellLine(row, cell, line, columns.visibleEnd);
    if (columns.narrowRuns.empty())
        return;
    const QRgb* pixels = blender.pixelLine(k, line);
    for (const NarrowRun& run : columns.narrowRuns)
        std::memcpy(row + run.x, pixels + run.sample, sizeof(QRgb) * std::size_t(run.count));
}

} // namespace

const char* SmoothStretchBuild()
{
#if defined(__x86_64__) && (defined(__clang__) || defined(__GNUC__))
    // The same test the loader makes to pick among the versions below.
    return __builtin_cpu_supports("avx2") ? "avx2" : "default";
#else
    return "default";
#endif
}

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
    if (columns.empty())
        return;
    uchar* bits = bitmap.bits();
    const qsizetype stride = bitmap.bytesPerLine();
    RowBlender blender(source.bitmap(), columns);
    const CellAxis rows(sourceHeight, destinationHeight);
    const int bitmapHeight = bitmap.height();
    int rowEnd = 0;
    for (int i = 0; i < sourceHeight; ++i) {
        const int rowStart = rowEnd;
        rowEnd = rows.end(i);
        if (rowEnd <= rowStart)
            continue;
        const CellSpan span = visibleSpan(destinationY, rowStart, rowEnd, bitmapHeight);
        if (!span.visible())
            continue;
        blender.startRow(sourceY + i, span.length);
        for (int k = span.first; k < span.end; ++k)
            fillLine(reinterpret_cast<QRgb*>(bits + (span.start + k) * stride), columns, blender,
                     k);
    }
}

} // namespace basGeneral
