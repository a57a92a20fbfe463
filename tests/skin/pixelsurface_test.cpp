#include "platform/pixelsurface.h"
#include "platform/transparentcopy.h"
#include "skin/keycolour.h"
#include "skinimages.h"

#include <gtest/gtest.h>

namespace {

using namespace skintest;
using platform::ColourValue;
using platform::PixelRect;
using platform::PixelSurface;
using platform::rgbValue;

TEST(PixelSurfaceTest, ReadsFailOutsideTheBitmapOrWithoutOne)
{
    PixelSurface surface = PixelSurface::compatibleWithScreen(3, 2);
    EXPECT_EQ(surface.pixel(0, 0), kBlack);
    EXPECT_TRUE(surface.setPixel(2, 1, rgbValue(1, 2, 3)));
    EXPECT_EQ(surface.pixel(2, 1), rgbValue(1, 2, 3));
    for (const QPoint& p : {QPoint(-1, 0), QPoint(3, 0), QPoint(0, 2), QPoint(0, -1)}) {
        EXPECT_EQ(surface.pixel(p.x(), p.y()), -1);
        EXPECT_FALSE(surface.setPixel(p.x(), p.y(), kWhite));
    }
    const PixelSurface none;
    EXPECT_EQ(none.pixel(0, 0), -1);
    EXPECT_FALSE(PixelSurface::compatibleWithScreen(0, 5).hasBitmap());
    EXPECT_FALSE(PixelSurface::compatibleWithScreen(5, -1).hasBitmap());
    EXPECT_FALSE(PixelSurface::compatibleWithScreen(1 << 14, (1 << 12) + 1).hasBitmap());
}

TEST(PixelSurfaceTest, FloodFillPaintsWhiteUpToTheBoundary)
{
    // A ring of boundary colour around (2, 2) keeps the fill inside it; the diagonal
    // gaps of the ring do not leak, since the fill spreads to four neighbours only.
    const ColourValue ring = rgbValue(200, 0, 0);
    PixelSurface surface = PixelSurface::compatibleWithScreen(5, 5);
    for (const QPoint& p : {QPoint(2, 1), QPoint(1, 2), QPoint(3, 2), QPoint(2, 3)})
        surface.setPixel(p.x(), p.y(), ring);
    surface.setPixel(2, 2, kWhite); // the brush's own colour inside the area
    EXPECT_TRUE(surface.floodFill(2, 2, ring));
    EXPECT_EQ(surface.pixel(2, 2), kWhite);
    EXPECT_EQ(surface.pixel(0, 0), kBlack);
    EXPECT_EQ(surface.pixel(1, 1), kBlack);

    EXPECT_TRUE(surface.floodFill(0, 0, ring));
    EXPECT_EQ(surface.pixel(1, 1), kWhite);
    EXPECT_EQ(surface.pixel(4, 4), kWhite);
    EXPECT_EQ(surface.pixel(2, 1), ring);
}

TEST(PixelSurfaceTest, FloodFillFromTheBoundaryColourOrOutsidePaintsNothing)
{
    PixelSurface surface = PixelSurface::compatibleWithScreen(3, 3);
    EXPECT_FALSE(surface.floodFill(1, 1, kBlack));
    EXPECT_FALSE(surface.floodFill(3, 0, rgbValue(9, 9, 9)));
    EXPECT_EQ(surface.bitmap(), filled(3, 3, kBlack));
}

struct CopyCase {
    const char* name;
    PixelRect to;
    PixelRect from;
};

TEST(TransparentCopyTest, EmptyRectanglesDrawNothing)
{
    const CopyCase cases[] = {
        {"zero destination width", {0, 0, 0, 2}, {0, 0, 2, 2}},
        {"negative destination height", {0, 0, 2, -1}, {0, 0, 2, 2}},
        {"zero source height", {0, 0, 2, 2}, {0, 0, 2, 0}},
        {"negative source width", {0, 0, 2, 2}, {0, 0, -2, 2}},
        {"source outside the bitmap", {0, 0, 2, 2}, {5, 5, 2, 2}},
    };
    const QImage source = filled(3, 3, rgbValue(7, 8, 9));
    for (const CopyCase& c : cases) {
        QImage destination = filled(3, 3, kBehind);
        platform::transparentCopy(destination, c.to, source, c.from, kMagenta);
        EXPECT_EQ(destination, filled(3, 3, kBehind)) << c.name;
    }
}

TEST(TransparentCopyTest, ScalesByNearestNeighbourAndLeavesTheKeyOut)
{
    QImage source = patternedSkin(2, 2);
    source.setPixel(1, 1, platform::toPixel(kMagenta));
    QImage destination = filled(5, 5, kBehind);
    platform::transparentCopy(destination, {1, 1, 4, 4}, source, {0, 0, 2, 2}, kMagenta);
    EXPECT_EQ(at(destination, 0, 0), kBehind);
    EXPECT_EQ(at(destination, 1, 1), at(source, 0, 0));
    EXPECT_EQ(at(destination, 2, 2), at(source, 0, 0));
    EXPECT_EQ(at(destination, 3, 1), at(source, 1, 0));
    EXPECT_EQ(at(destination, 1, 4), at(source, 0, 1));
    EXPECT_EQ(at(destination, 4, 4), kBehind);
    EXPECT_EQ(at(destination, 3, 3), kBehind);
}

TEST(TransparentCopyTest, ClipsToTheDestinationAndSkipsSamplesOffTheSource)
{
    const QImage source = patternedSkin(3, 1);
    QImage destination = filled(3, 1, kBehind);
    // Samples 1, 2 and 3 of the source: the last lies outside it.
    platform::transparentCopy(destination, {-1, 0, 4, 1}, source, {0, 0, 4, 1}, kMagenta);
    EXPECT_EQ(at(destination, 0, 0), at(source, 1, 0));
    EXPECT_EQ(at(destination, 1, 0), at(source, 2, 0));
    EXPECT_EQ(at(destination, 2, 0), kBehind);
}

TEST(TransparentCopyTest, DestinationOfAnotherFormatIsConvertedFirst)
{
    const QImage source = patternedSkin(2, 2);
    QImage destination = filled(2, 2, kBehind).convertToFormat(QImage::Format_RGB888);
    platform::transparentCopy(destination, {0, 0, 2, 2}, source, {0, 0, 2, 2}, kMagenta);
    EXPECT_EQ(destination.format(), QImage::Format_RGB32);
    EXPECT_EQ(destination, source);
}

TEST(KeyColourTest, TopLeftCandidateIsTheKeyAnythingElseMagenta)
{
    const ColourValue candidates[] = {
        rgbValue(255, 149, 255), rgbValue(152, 152, 152), rgbValue(148, 34, 158),
        rgbValue(177, 184, 194), rgbValue(255, 0, 0),     rgbValue(0, 0, 0),
        rgbValue(255, 255, 255), rgbValue(255, 0, 255),
    };
    for (ColourValue c : candidates)
        EXPECT_EQ(basGeneral::GetKeyColor(PixelSurface(filled(1, 1, c))), c) << c;
    for (ColourValue other : {kPlainCorner, rgbValue(255, 149, 254), rgbValue(0, 0, 255)})
        EXPECT_EQ(basGeneral::GetKeyColor(PixelSurface(filled(1, 1, other))), kMagenta) << other;
    EXPECT_EQ(basGeneral::GetKeyColor(PixelSurface()), kMagenta);
}

} // namespace
