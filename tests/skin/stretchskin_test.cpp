#include "platform/picture.h"
#include "platform/runtimeerror.h"
#include "platform/screenmetrics.h"
#include "platform/units.h"
#include "skin/busyguard.h"
#include "skin/stretchskin.h"
#include "skinimages.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace {

using namespace skintest;
using platform::ColourValue;
using platform::kButtonFace;

// The caller's variables, which the stretch may adjust.
struct Request {
    std::int32_t cornerWidth = 75;
    std::int32_t cornerHeight = 75;
    std::int32_t width = 1935;
    std::int32_t height = 375;
    bool smooth = true;
    ColourValue background = kButtonFace;
};

class StretchSkinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setTwipsPerPixel(15, 15);
        basGeneral::SubBusy = 0;
    }
    void TearDown() override
    {
        platform::setTwipsPerPixel(0, 0);
        basGeneral::SubBusy = 0;
    }

    // Renders onto a target of targetWidth × targetHeight pixels showing kBehind.
    QImage render(const platform::PicturePtr& skin, Request& r, int targetWidth, int targetHeight)
    {
        QImage target = filled(targetWidth, targetHeight, kBehind);
        basGeneral::StretchSkin(skin, target, r.cornerWidth, r.cornerHeight, r.width, r.height,
                                r.smooth, r.background);
        return target;
    }
};

// 129 × 25 pixels, 1935 × 375 twips.
const QImage& buttonSkin()
{
    static const QImage skin = patternedSkin(129, 25);
    return skin;
}

TEST_F(StretchSkinTest, SkinAtItsOwnSizeComesOutIdenticalInBothModes)
{
    for (bool smooth : {true, false}) {
        Request r;
        r.smooth = smooth;
        const QImage face = render(platform::makePicture(buttonSkin()), r, 129, 25);
        EXPECT_EQ(face, buttonSkin()) << "smooth " << smooth;
        EXPECT_EQ(r.cornerWidth, 75);
        EXPECT_EQ(r.cornerHeight, 75);
    }
}

// The worked layout at 3000 × 600 twips (200 × 40 pixels) with 5-pixel corners:
// top edge (5, 0, 190, 5) from (5, 0, 119, 5), right corners from x = 195, left edge
// (0, 5, 5, 30) from (0, 5, 5, 15), bottom corners from y = 35.
struct Landing {
    int targetX, targetY, skinX, skinY;
};

TEST_F(StretchSkinTest, PiecesLandWhereTheLayoutPutsThem)
{
    const Landing landings[] = {
        {0, 0, 0, 0},       {4, 4, 4, 4},       // top-left corner
        {195, 0, 124, 0},   {199, 4, 128, 4},   // top-right corner
        {0, 35, 0, 20},     {4, 39, 4, 24},     // bottom-left corner
        {195, 35, 124, 20}, {199, 39, 128, 24}, // bottom-right corner
        {5, 0, 5, 0},       {5, 39, 5, 24},     // first columns of the top and bottom edges
        {0, 5, 0, 5},       {199, 5, 128, 5},   // first rows of the left and right edges
        {5, 5, 5, 5},                           // first pixel of the centre
    };
    for (bool smooth : {true, false}) {
        Request r{75, 75, 3000, 600, smooth, kButtonFace};
        const QImage face = render(platform::makePicture(buttonSkin()), r, 200, 40);
        for (const Landing& l : landings)
            EXPECT_EQ(at(face, l.targetX, l.targetY), at(buttonSkin(), l.skinX, l.skinY))
                << "smooth " << smooth << " at " << l.targetX << "," << l.targetY;
    }
}

TEST_F(StretchSkinTest, FastModeScalesTheBandsByNearestNeighbour)
{
    Request r{75, 75, 3000, 600, false, kButtonFace};
    const QImage face = render(platform::makePicture(buttonSkin()), r, 200, 40);
    // The top edge's 190 columns sample its 119: the last one samples column 118.
    EXPECT_EQ(at(face, 194, 2), at(buttonSkin(), 5 + 118, 2));
    // The left edge's 30 rows sample its 15, two rows each.
    EXPECT_EQ(at(face, 3, 5 + 29), at(buttonSkin(), 3, 5 + 14));
    EXPECT_EQ(at(face, 3, 5 + 28), at(buttonSkin(), 3, 5 + 14));
}

// A picture without pixels of the given HIMETRIC size: enough for the corner arithmetic.
platform::PicturePtr iconOfSize(std::int32_t himetricWidth, std::int32_t himetricHeight)
{
    return std::make_shared<platform::Picture>(
        platform::Picture::nonBitmap(platform::PictureType::Icon, himetricWidth, himetricHeight));
}

// HIMETRIC sizes and the twips they come to.
constexpr std::int32_t kHimetric1935 = 3413;
constexpr std::int32_t kHimetric300 = 530;
constexpr std::int32_t kHimetric60 = 106;

// Corner defaults and reduction, written back to the caller's variables.
struct CornerCase {
    const char* name;
    std::int32_t skinWidth, skinHeight;     // HIMETRIC
    std::int32_t cornerWidth, cornerHeight; // passed in
    std::int32_t expectedWidth, expectedHeight;
};

TEST_F(StretchSkinTest, CornerDefaultsAndReductionAreWrittenBack)
{
    const CornerCase cases[] = {
        {"zero corners default to 60", kHimetric1935, kHimetric300, 0, 0, 60, 60},
        {"a zero width defaults both", kHimetric1935, kHimetric300, 0, 75, 60, 60},
        {"a zero height alone stays", kHimetric1935, kHimetric300, 75, 0, 75, 0},
        {"150 on a 300-twip skin", kHimetric300, kHimetric300, 150, 150, 119, 119},
        {"small enough is kept", kHimetric300, kHimetric300, 118, 119, 118, 119},
        {"only the short side shrinks", kHimetric1935, kHimetric60, 75, 75, 75, 23},
        {"a skin of width 0", 0, kHimetric300, 75, 75, -1, 75},
    };
    for (const CornerCase& c : cases) {
        Request r{c.cornerWidth, c.cornerHeight, 1935, 375, false, kButtonFace};
        render(iconOfSize(c.skinWidth, c.skinHeight), r, 129, 25);
        EXPECT_EQ(r.cornerWidth, c.expectedWidth) << c.name;
        EXPECT_EQ(r.cornerHeight, c.expectedHeight) << c.name;
    }
}

TEST_F(StretchSkinTest, ReducedCornerConvertsToItsOwnPixels)
{
    // A 20-pixel skin (299 twips) with 150-twip corners keeps 119-twip (8-pixel)
    // corners, so the face at the skin's own size is the skin again.
    const QImage skin = patternedSkin(20, 20);
    Request r{150, 150, 300, 300, true, kButtonFace};
    EXPECT_EQ(render(platform::makePicture(skin), r, 20, 20), skin);
}

TEST_F(StretchSkinTest, TargetNarrowerThanItsCornersDrawsTheRightCornersOverTheLeft)
{
    // W = 100 twips is 7 pixels: left corners at x = 0..4, right corners at 2..6.
    Request r{75, 75, 100, 375, false, kButtonFace};
    const QImage face = render(platform::makePicture(buttonSkin()), r, 7, 25);
    EXPECT_EQ(at(face, 0, 0), at(buttonSkin(), 0, 0));
    EXPECT_EQ(at(face, 1, 0), at(buttonSkin(), 1, 0));
    for (int x = 2; x < 7; ++x)
        EXPECT_EQ(at(face, x, 0), at(buttonSkin(), 124 + x - 2, 0)) << x;
}

struct EmptyTargetCase {
    const char* name;
    std::int32_t width, height;
    std::int32_t expectedWidth, expectedHeight;
};

TEST_F(StretchSkinTest, TargetWithoutUsableSizeDrawsNothing)
{
    const EmptyTargetCase cases[] = {
        {"zero width takes the default size", 0, 375, 1000, 300},
        {"negative width takes the default size", -15, 375, 1000, 300},
        {"zero height keeps its values", 1935, 0, 1935, 0},
        {"negative height keeps its values", 1935, -30, 1935, -30},
    };
    for (bool smooth : {true, false}) {
        for (const EmptyTargetCase& c : cases) {
            Request r{75, 75, c.width, c.height, smooth, kButtonFace};
            const QImage face = render(platform::makePicture(buttonSkin()), r, 129, 25);
            EXPECT_EQ(face, filled(129, 25, kBehind)) << c.name;
            EXPECT_EQ(r.width, c.expectedWidth) << c.name;
            EXPECT_EQ(r.height, c.expectedHeight) << c.name;
        }
    }
    // A face far beyond any screen gets no work surface; in fast mode, whose pieces
    // are not limited to 16 bits, that simply draws nothing.
    Request huge{75, 75, 2000000000, 375, false, kButtonFace};
    EXPECT_EQ(render(platform::makePicture(buttonSkin()), huge, 129, 25), filled(129, 25, kBehind));
}

// Without a source the nine pieces draw nothing and the prepared work surface
// itself reaches the target.
struct WorkSurfaceCase {
    const char* name;
    std::int32_t width, height;
    ColourValue background;
    ColourValue expected;
};

TEST_F(StretchSkinTest, WorkSurfaceIsWhiteUnlessBlackOrTooSmallToFill)
{
    const auto icon = iconOfSize(kHimetric1935, kHimetric300);
    const WorkSurfaceCase cases[] = {
        {"button face", 300, 300, kButtonFace, kWhite},
        {"a plain colour", 300, 300, platform::rgbValue(10, 20, 30), kWhite},
        {"black", 300, 300, kBlack, kBlack},
        {"one pixel wide", 15, 300, kButtonFace, kBlack},
        {"one pixel high", 300, 15, kButtonFace, kBlack},
    };
    for (bool smooth : {true, false}) {
        for (const WorkSurfaceCase& c : cases) {
            Request r{75, 75, c.width, c.height, smooth, c.background};
            const int w = c.width / 15;
            const int h = c.height / 15;
            EXPECT_EQ(render(icon, r, w, h), filled(w, h, c.expected)) << c.name;
        }
    }
}

TEST_F(StretchSkinTest, FastModeTurnsKeyColouredPixelsWhite)
{
    // A key-coloured pixel is not copied, so the white work surface shows there;
    // when the key is white itself, the final copy leaves the target showing.
    struct KeyCase {
        ColourValue key;
        ColourValue expected;
    } const cases[] = {{platform::rgbValue(255, 149, 255), kWhite}, {kWhite, kBehind}};
    for (const KeyCase& c : cases) {
        QImage skin = buttonSkin();
        skin.setPixel(0, 0, platform::toPixel(c.key));
        skin.setPixel(60, 12, platform::toPixel(c.key));
        Request r{75, 75, 1935, 375, false, kButtonFace};
        const QImage face = render(platform::makePicture(skin), r, 129, 25);
        EXPECT_EQ(at(face, 0, 0), c.expected);
        EXPECT_EQ(at(face, 60, 12), c.expected);
        EXPECT_EQ(at(face, 61, 12), at(skin, 61, 12));
    }
}

TEST_F(StretchSkinTest, SmoothModeCopiesMagentaAndTheFinalCopyLeavesItOut)
{
    QImage skin = buttonSkin();
    skin.setPixel(2, 3, platform::toPixel(kMagenta));
    Request r{75, 75, 3000, 600, true, kButtonFace};
    const QImage face = render(platform::makePicture(skin), r, 200, 40);
    EXPECT_EQ(at(face, 2, 3), kBehind);
    EXPECT_EQ(at(face, 2, 2), at(skin, 2, 2));
}

TEST_F(StretchSkinTest, SmoothModeLeavesTheBusyFlagForItsCallerAndFastModeDoesNot)
{
    Request r;
    r.smooth = false;
    render(platform::makePicture(buttonSkin()), r, 129, 25);
    EXPECT_EQ(basGeneral::SubBusy, 0);
    r.smooth = true;
    render(platform::makePicture(buttonSkin()), r, 129, 25);
    EXPECT_EQ(basGeneral::SubBusy, platform::kTrue);
}

TEST_F(StretchSkinTest, UsesTheScreensTwipsPerPixelOnEachAxis)
{
    // At 12 × 20 twips per pixel a 1548 × 500-twip face is 129 × 25 pixels, and
    // 60 × 100-twip corners are 5 × 5 pixels.
    platform::setTwipsPerPixel(12, 20);
    Request r{60, 100, 1548, 500, false, kButtonFace};
    const QImage face = render(platform::makePicture(buttonSkin()), r, 140, 30);
    EXPECT_EQ(at(face, 4, 4), at(buttonSkin(), 4, 4));
    EXPECT_NE(at(face, 128, 24), kBehind);
    EXPECT_EQ(at(face, 129, 0), kBehind);
    EXPECT_EQ(at(face, 0, 25), kBehind);
}

TEST_F(StretchSkinTest, NullPictureRaisesObjectNotSetBeforeAnything)
{
    QImage target = filled(10, 10, kBehind);
    Request r{0, 0, 0, 0, true, kButtonFace};
    try {
        basGeneral::StretchSkin(nullptr, target, r.cornerWidth, r.cornerHeight, r.width, r.height,
                                r.smooth, r.background);
        FAIL() << "no error raised";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::kErrObjectNotSet);
    }
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.cornerWidth, 0);
    EXPECT_EQ(target, filled(10, 10, kBehind));
}

TEST_F(StretchSkinTest, BitmapWithoutPixelsEndsWithoutDrawingOrAdjusting)
{
    const auto broken = std::make_shared<platform::Picture>(
        platform::Picture::nonBitmap(platform::PictureType::Bitmap, 3413, 661));
    Request r{0, 0, 0, 0, false, kButtonFace};
    EXPECT_EQ(render(broken, r, 10, 10), filled(10, 10, kBehind));
    EXPECT_EQ(r.width, 0);
    EXPECT_EQ(r.cornerWidth, 0);
}

struct OverflowCase {
    const char* name;
    platform::PicturePtr skin;
    Request request;
};

TEST_F(StretchSkinTest, ArithmeticBeyondItsWidthRaisesOverflow)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const OverflowCase cases[] = {
        {"a skin size past 32 bits of twips", iconOfSize(4000000, kHimetric300), {}},
        {"a corner whose double is past 32 bits",
         platform::makePicture(buttonSkin()),
         {kMax / 2 + 1, 75, 1935, 375, false, kButtonFace}},
        // A skin of width 0 leaves corners of −1, which widen the bands.
        {"a middle band past 32 bits",
         iconOfSize(0, kHimetric300),
         {75, 75, kMax - 1, 0, false, kButtonFace}},
        {"a smooth piece past 16 bits of pixels",
         platform::makePicture(buttonSkin()),
         {75, 75, 33000 * 15, 375, true, kButtonFace}},
    };
    for (const OverflowCase& c : cases) {
        QImage target = filled(4, 4, kBehind);
        Request r = c.request;
        try {
            basGeneral::StretchSkin(c.skin, target, r.cornerWidth, r.cornerHeight, r.width,
                                    r.height, r.smooth, r.background);
            ADD_FAILURE() << c.name << ": no error raised";
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::kErrOverflow) << c.name;
        }
        EXPECT_EQ(target, filled(4, 4, kBehind)) << c.name;
    }
}

} // namespace
