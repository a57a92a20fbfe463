#include "platform/pixelsurface.h"
#include "platform/runtimeerror.h"
#include "platform/units.h"
#include "referencestretch.h"
#include "skin/busyguard.h"
#include "skin/smoothstretch.h"
#include "skin/stretchpiece.h"
#include "skinimages.h"

#include <QList>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>

namespace {

using namespace skintest;
using platform::ColourValue;
using platform::PixelRect;
using platform::PixelSurface;
using platform::rgbValue;

class SmoothStretchTest : public ::testing::Test {
protected:
    void SetUp() override { basGeneral::SubBusy = 0; }
    void TearDown() override { basGeneral::SubBusy = 0; }
};

// Rows of colour values, top to bottom.
QImage imageOf(const QList<QList<ColourValue>>& rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, platform::toPixel(rows[y][x]));
    return image;
}

void stretch(const PixelSurface& source, const PixelRect& from, PixelSurface& destination,
             const PixelRect& to)
{
    basGeneral::SmoothStretch(source, std::int16_t(from.x), std::int16_t(from.y),
                              std::int16_t(from.width), std::int16_t(from.height),
                              std::int16_t(to.width), std::int16_t(to.height), std::int16_t(to.x),
                              std::int16_t(to.y), destination);
}

TEST_F(SmoothStretchTest, EnlargementBlendsTowardTheNeighboursWithoutReachingThem)
{
    // Two source pixels across, one down, onto 5 × 3: the columns end at
    // nearest(2.5) = 2 and 5, so the cells are 2 and 3 wide and 3 high. The second
    // cell's right-hand neighbours lie outside the bitmap and read as −1 (red −1),
    // so its red falls below 0 at the far end and is written as 0.
    const PixelSurface source(imageOf({{rgbValue(10, 20, 30), rgbValue(0, 60, 70)},
                                       {rgbValue(90, 100, 110), rgbValue(130, 140, 150)}}));
    PixelSurface destination(filled(5, 3, kBehind));
    stretch(source, {0, 0, 2, 1}, destination, {0, 0, 5, 3});
    const QImage expected = imageOf({
        {rgbValue(10, 20, 30), rgbValue(5, 40, 50), rgbValue(0, 60, 70), rgbValue(0, 40, 47),
         rgbValue(0, 20, 23)},
        {rgbValue(37, 47, 57), rgbValue(40, 67, 77), rgbValue(43, 87, 97), rgbValue(28, 58, 65),
         rgbValue(14, 29, 32)},
        {rgbValue(63, 73, 83), rgbValue(75, 93, 103), rgbValue(87, 113, 123), rgbValue(58, 75, 82),
         rgbValue(28, 38, 41)},
    });
    EXPECT_EQ(destination.bitmap(), expected);

    // Drawn partly off the destination, the visible part is the same.
    PixelSurface clipped(filled(4, 2, kBehind));
    stretch(source, {0, 0, 2, 1}, clipped, {-1, -1, 5, 3});
    EXPECT_EQ(clipped.bitmap(), expected.copy(1, 1, 4, 2));
}

TEST_F(SmoothStretchTest, BlendedHalvesGoToTheEvenNeighbour)
{
    // Each of three pixels doubles across, so the second pixel of every cell lies
    // half-way: 0.5, 1.5, 2.5, 3.5, 4.5 and, toward the −1 read beyond the bitmap,
    // −0.5.
    const PixelSurface source(imageOf({{rgbValue(0, 0, 0), rgbValue(1, 3, 5), rgbValue(0, 7, 9)}}));
    PixelSurface destination(filled(6, 1, kBehind));
    stretch(source, {0, 0, 3, 1}, destination, {0, 0, 6, 1});
    EXPECT_EQ(destination.bitmap(),
              imageOf({{rgbValue(0, 0, 0), rgbValue(0, 2, 2), rgbValue(1, 3, 5), rgbValue(0, 5, 7),
                        rgbValue(0, 7, 9), rgbValue(0, 4, 4)}}));
}

TEST_F(SmoothStretchTest, ColumnCellsBlendDownwardWithHalvesToEven)
{
    // Two pixels down onto three: the rows end at nearest(1.5) = 2 and 3, so the
    // first cell is two lines high and its second line lies half-way.
    const PixelSurface source(imageOf({{rgbValue(0, 1, 3)}, {rgbValue(1, 2, 0)}}));
    PixelSurface destination(filled(1, 3, kBehind));
    stretch(source, {0, 0, 1, 2}, destination, {0, 0, 1, 3});
    EXPECT_EQ(destination.bitmap(),
              imageOf({{rgbValue(0, 1, 3)}, {rgbValue(0, 2, 2)}, {rgbValue(1, 2, 0)}}));
}

TEST_F(SmoothStretchTest, ReductionDropsTheSourcePixelsWhoseCellIsEmpty)
{
    // 5 × 3 onto 2 × 2: the column ends are 0, 1, 1, 2, 2 and the row ends 1, 1, 2,
    // so columns 1 and 3 of rows 0 and 2 survive, each copied exactly.
    const QImage image = patternedSkin(5, 3);
    const PixelSurface source(image);
    PixelSurface destination(filled(4, 4, kBehind));
    stretch(source, {0, 0, 5, 3}, destination, {1, 1, 2, 2});
    const QImage& out = destination.bitmap();
    EXPECT_EQ(at(out, 1, 1), at(image, 1, 0));
    EXPECT_EQ(at(out, 2, 1), at(image, 3, 0));
    EXPECT_EQ(at(out, 1, 2), at(image, 1, 2));
    EXPECT_EQ(at(out, 2, 2), at(image, 3, 2));
    EXPECT_EQ(at(out, 0, 0), kBehind);
    EXPECT_EQ(at(out, 3, 3), kBehind);
}

TEST_F(SmoothStretchTest, UnscaledPieceAtTheBitmapsEdgeIsCopiedExactly)
{
    // The neighbours of the last row and column lie outside the bitmap; a cell of one
    // pixel uses only the pixel itself.
    const QImage image = patternedSkin(6, 4);
    const PixelSurface source(image);
    PixelSurface destination(filled(3, 2, kBehind));
    stretch(source, {3, 2, 3, 2}, destination, {0, 0, 3, 2});
    EXPECT_EQ(destination.bitmap(), image.copy(3, 2, 3, 2));
}

TEST_F(SmoothStretchTest, SourcePixelOutsideTheBitmapComesOutBlack)
{
    // A read outside is −1: red −1, written as 0, with green and blue 0.
    const QImage image = patternedSkin(2, 1);
    const PixelSurface source(image);
    PixelSurface destination(filled(2, 1, kBehind));
    stretch(source, {1, 0, 2, 1}, destination, {0, 0, 2, 1});
    EXPECT_EQ(at(destination.bitmap(), 0, 0), at(image, 1, 0));
    EXPECT_EQ(at(destination.bitmap(), 1, 0), kBlack);
}

struct DrawsNothingCase {
    const char* name;
    PixelRect from;
    PixelRect to;
};

TEST_F(SmoothStretchTest, EmptyOrInvertedRectanglesDrawNothing)
{
    const DrawsNothingCase cases[] = {
        {"no source width", {0, 0, 0, 2}, {0, 0, 4, 4}},
        {"negative source height", {0, 0, 2, -2}, {0, 0, 4, 4}},
        {"no destination width", {0, 0, 2, 2}, {0, 0, 0, 4}},
        {"negative destination height", {0, 0, 2, 2}, {0, 0, 4, -3}},
        {"entirely off the destination", {0, 0, 2, 2}, {10, -10, 4, 4}},
    };
    const PixelSurface source(patternedSkin(4, 4));
    for (const DrawsNothingCase& c : cases) {
        PixelSurface destination(filled(4, 4, kBehind));
        stretch(source, c.from, destination, c.to);
        EXPECT_EQ(destination.bitmap(), filled(4, 4, kBehind)) << c.name;
    }
}

TEST_F(SmoothStretchTest, PartlyOffTheDestinationDrawsTheVisiblePart)
{
    const QImage image = patternedSkin(4, 4);
    const PixelSurface source(image);
    PixelSurface destination(filled(3, 3, kBehind));
    stretch(source, {0, 0, 4, 4}, destination, {-1, -1, 4, 4});
    EXPECT_EQ(destination.bitmap(), image.copy(1, 1, 3, 3));
}

TEST_F(SmoothStretchTest, MarksTheButtonBusyEvenWithoutASource)
{
    PixelSurface destination(filled(2, 2, kBehind));
    stretch(PixelSurface(), {0, 0, 2, 2}, destination, {0, 0, 2, 2});
    EXPECT_EQ(basGeneral::SubBusy, platform::kTrue);
    EXPECT_EQ(destination.bitmap(), filled(2, 2, kBehind));
}

TEST_F(SmoothStretchTest, PieceIgnoresTheKeyInSmoothModeAndHonoursItInFastMode)
{
    const QImage image = filled(2, 2, kMagenta);
    const PixelSurface source(image);
    for (bool smooth : {true, false}) {
        PixelSurface destination(filled(2, 2, kBehind));
        basGeneral::StretchPiece(destination, {0, 0, 2, 2}, source, {0, 0, 2, 2}, kMagenta, smooth);
        EXPECT_EQ(destination.bitmap(), smooth ? image : filled(2, 2, kBehind));
    }
}

TEST_F(SmoothStretchTest, SmoothPieceBeyondSixteenBitsRaisesOverflow)
{
    const PixelSurface source(patternedSkin(2, 2));
    const PixelRect tooFar[] = {{32768, 0, 1, 1}, {0, -32769, 1, 1}, {0, 0, 40000, 1}};
    for (const PixelRect& to : tooFar) {
        PixelSurface destination(filled(2, 2, kBehind));
        try {
            basGeneral::StretchPiece(destination, to, source, {0, 0, 1, 1}, kMagenta, true);
            ADD_FAILURE() << to.x << "," << to.y << " " << to.width;
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::kErrOverflow);
        }
        // Fast mode takes the same values in 32 bits.
        EXPECT_NO_THROW(
            basGeneral::StretchPiece(destination, to, source, {0, 0, 1, 1}, kMagenta, false));
    }
}

} // namespace

namespace {

QImage randomImage(std::mt19937& random, int width, int height)
{
    std::uniform_int_distribution<int> channel(0, 255);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(channel(random), channel(random), channel(random)));
    return image;
}

// Where the stretch reads and writes, and the sizes of both bitmaps.
struct RandomCase {
    int skinWidth;
    int skinHeight;
    PixelRect from;
    PixelRect to;
    int targetWidth;
    int targetHeight;
};

RandomCase randomCase(std::mt19937& random)
{
    auto between = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    RandomCase c{};
    c.skinWidth = between(1, 24);
    c.skinHeight = between(1, 24);
    // The source rectangle may start before the skin and run past it, as a piece's
    // neighbours do.
    c.from = {between(-1, c.skinWidth - 1), between(-1, c.skinHeight - 1),
              between(1, c.skinWidth + 1), between(1, c.skinHeight + 1)};
    c.targetWidth = between(1, 72);
    c.targetHeight = between(1, 48);
    // From strong reductions to cells dozens of pixels wide, partly off the target.
    c.to = {between(-8, c.targetWidth - 1), between(-8, c.targetHeight - 1), between(1, 96),
            between(1, 64)};
    return c;
}

} // namespace

TEST_F(SmoothStretchTest, MatchesThePlainCellLoopOnRandomSkinsSizesAndPositions)
{
    std::mt19937 random(20261211);
    for (int n = 0; n < 400; ++n) {
        const RandomCase c = randomCase(random);
        const PixelSurface source(randomImage(random, c.skinWidth, c.skinHeight));
        const QImage behind = randomImage(random, c.targetWidth, c.targetHeight);
        PixelSurface fast(behind);
        stretch(source, c.from, fast, c.to);
        PixelSurface plain(behind);
        referenceSmoothStretch(source, c.from.x, c.from.y, c.from.width, c.from.height, c.to.width,
                               c.to.height, c.to.x, c.to.y, plain);
        ASSERT_EQ(fast.bitmap(), plain.bitmap())
            << "case " << n << ": skin " << c.skinWidth << "x" << c.skinHeight << " from "
            << c.from.x << "," << c.from.y << " " << c.from.width << "x" << c.from.height << " to "
            << c.to.x << "," << c.to.y << " " << c.to.width << "x" << c.to.height;
    }
}
