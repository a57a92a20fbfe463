// The preview grid: its geometry, scrolling, the stacking of the faces, and styles whose
// pictures are not all there.
#include "pagefixture.h"
#include "platform/colour.h"
#include "platform/eventpump.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace pickertest;

namespace {

struct GeometryCase {
    int styles;
    int lastLeft;
    int lastTop;
    int stripHeight;
    int scrollMaximum;
};

class PreviewGeometry : public PageTest, public ::testing::WithParamInterface<GeometryCase> {};

TEST_P(PreviewGeometry, FourToARowAndAStripThatFitsThem)
{
    const GeometryCase& c = GetParam();
    shtStyles& shown = openTheme(3 * c.styles);

    ASSERT_EQ(shown.styleCount(), c.styles);
    for (int k = 0; k < c.styles; ++k) {
        SCOPED_TRACE(k);
        const themepicker::StyleFace& face = *shown.State1(k);
        EXPECT_EQ(face.leftTwips(), 120 + 1385 * (k % 4));
        EXPECT_EQ(face.topTwips(), 120 + 350 * (k / 4));
        EXPECT_EQ(face.widthTwips(), 1335);
        EXPECT_EQ(face.heightTwips(), 300);
        EXPECT_EQ(face.tag(), QString::number(3 * k + 1));
        for (const themepicker::StyleFace* other : {shown.State2(k), shown.State3(k)})
            EXPECT_EQ(other->geometry(), face.geometry());
        EXPECT_TRUE(face.isVisible());
    }
    const themepicker::StyleFace& last = *shown.State1(c.styles - 1);
    EXPECT_EQ(last.leftTwips(), c.lastLeft);
    EXPECT_EQ(last.topTwips(), c.lastTop);
    const auto& strip = static_cast<const themepicker::PictureBox&>(Picture2(shown));
    EXPECT_EQ(strip.heightTwips(), c.stripHeight);
    EXPECT_EQ(VScroll1(shown).maximum(), c.scrollMaximum);
    EXPECT_EQ(shown.PreviewWidth(), 1335);
    EXPECT_EQ(shown.PreviewHeight(), 300);
}

const GeometryCase kGeometryCases[] = {
    {1, 120, 120, 3135, 0},    {4, 4275, 120, 3135, 0},    {5, 120, 470, 3135, 0},
    {32, 4275, 2570, 3135, 0}, {33, 120, 2920, 3370, 285}, {44, 4275, 3620, 4070, 985},
};
INSTANTIATE_TEST_SUITE_P(Styles, PreviewGeometry, ::testing::ValuesIn(kGeometryCases),
                         [](const ::testing::TestParamInfo<GeometryCase>& styles) {
                             return std::to_string(styles.param.styles) + "_styles";
                         });

class Previews : public PageTest {};

TEST_F(Previews, EachFaceShowsItsOwnImageAndTheNormalOneIsInFront)
{
    shtStyles& shown = openTheme(3 * 9);
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(faceColour(*shown.State1(k)), imageColour(3 * k + 1));
        EXPECT_EQ(faceColour(*shown.State2(k)), imageColour(3 * k + 2));
        EXPECT_EQ(faceColour(*shown.State3(k)), imageColour(3 * k + 3));
        // Styles starting a row (4, 8) too.
        EXPECT_EQ(frontFace(shown, k), 1);
    }
    EXPECT_TRUE(File1(shown).isEnabled());
}

TEST_F(Previews, ScrollingStyle40IntoViewStopsAt800AfterEightSteps)
{
    shtStyles& shown = openTheme(3 * 44);
    QSignalSpy steps(&VScroll1(shown), &QScrollBar::valueChanged);
    int passes = 0;
    const platform::EventPass previous = platform::setEventPass([&] { ++passes; });

    shown.ScrollStyleIntoView(40);

    platform::setEventPass(previous);
    EXPECT_EQ(VScroll1(shown).value(), 800);
    EXPECT_EQ(steps.count(), 8);
    EXPECT_EQ(passes, 9);
    EXPECT_EQ(Picture2(shown).y(), platform::pixelsFromTwips(-800));
}

TEST_F(Previews, StyleWithoutPreviewScrollsNothing)
{
    shtStyles& shown = openTheme(3 * 44);
    shown.ScrollStyleIntoView(44);
    shown.ScrollStyleIntoView(-1);
    EXPECT_EQ(VScroll1(shown).value(), 0);
}

TEST_F(Previews, ThreeStylesAfterFortyBringTheStripBack)
{
    addTheme(folders.themes, QStringLiteral("a.xbn"), 3 * 40);
    addTheme(folders.themes, QStringLiteral("b.xbn"), 3 * 3);
    shtStyles& shown = openOn(folders.themes);
    VScroll1(shown).setValue(VScroll1(shown).maximum());
    ASSERT_GT(VScroll1(shown).value(), 0);

    File1(shown).setListIndex(1);
    settle();

    ASSERT_EQ(shown.styleCount(), 3);
    EXPECT_EQ(static_cast<themepicker::PictureBox&>(Picture2(shown)).heightTwips(), 3135);
    EXPECT_EQ(VScroll1(shown).maximum(), 0);
    EXPECT_EQ(VScroll1(shown).value(), 0);
    EXPECT_EQ(Picture2(shown).y(), 0);
    EXPECT_EQ(shown.State1(3), nullptr);
}

TEST_F(Previews, PointerMovingFromStyle2To3SwapsTheirFaces)
{
    shtStyles& shown = openTheme(3 * 8);
    moveOver(shown.State1(5));
    EXPECT_EQ(shown.HoverStyle(), 5);
    EXPECT_EQ(frontFace(shown, 5), 2);

    moveOver(shown.State1(2));
    EXPECT_EQ(frontFace(shown, 2), 2);
    EXPECT_EQ(frontFace(shown, 5), 1);
    moveOver(shown.State1(3));

    EXPECT_EQ(frontFace(shown, 3), 2);
    EXPECT_EQ(frontFace(shown, 2), 1);
    EXPECT_EQ(shown.HoverStyle(), 3);
}

TEST_F(Previews, RightPressShowsThePressedFaceAndAppliesNothing)
{
    ctlButton& button = addButton(QStringLiteral("button"), {81, 33}, 0, 0);
    shtStyles& shown = openTheme(3 * 8);
    QSignalSpy applied(&shown, &shtStyles::aboutToApplyStyle);

    press(shown.State1(6), Qt::RightButton);
    EXPECT_EQ(frontFace(shown, 6), 3);
    release(shown.State3(6), Qt::RightButton);

    EXPECT_EQ(frontFace(shown, 6), 1);
    EXPECT_EQ(applied.count(), 0);
    EXPECT_EQ(button.theme_no(), 0);
}

TEST_F(Previews, LeftPressShowsThePressedFaceWhileApplying)
{
    addButton(QStringLiteral("button"), {81, 33});
    shtStyles& shown = openTheme(3 * 8);
    int frontWhileApplying = 0;
    QObject::connect(&shown, &shtStyles::styleApplied,
                     [&](int k) { frontWhileApplying = frontFace(shown, k); });

    press(shown.State1(6));
    EXPECT_EQ(frontWhileApplying, 3);
    release(shown.State1(6));
    EXPECT_EQ(frontFace(shown, 6), 1);
}

// Image counts that leave the last style without some of its faces, and which faces are
// drawn from an image (the others show the page's background).
struct IncompleteCase {
    int images;
    int style;
    bool hover;
    bool pressed;
};

class IncompleteStyle : public PageTest, public ::testing::WithParamInterface<IncompleteCase> {};

TEST_P(IncompleteStyle, MissingFacesShowTheBackgroundAndPressingAppliesNothing)
{
    const IncompleteCase& c = GetParam();
    ctlButton& button = addButton(QStringLiteral("button"), {81, 33}, 0, 0);
    shtStyles& shown = openTheme(c.images);
    ASSERT_EQ(shown.styleCount(), c.style + 1);
    const QRgb background = platform::toPixel(platform::kButtonFace) & RGB_MASK;

    EXPECT_EQ(faceColour(*shown.State1(c.style)), imageColour(3 * c.style + 1));
    EXPECT_EQ(faceColour(*shown.State2(c.style)),
              c.hover ? imageColour(3 * c.style + 2) : background);
    EXPECT_EQ(faceColour(*shown.State3(c.style)), background);
    QSignalSpy applied(&shown, &shtStyles::aboutToApplyStyle);

    press(shown.State1(c.style));
    release(shown.State1(c.style));

    EXPECT_EQ(applied.count(), 0);
    EXPECT_EQ(button.theme_no(), 0);
}

INSTANTIATE_TEST_SUITE_P(LastStyle, IncompleteStyle,
                         ::testing::Values(IncompleteCase{1, 0, false, false},
                                           IncompleteCase{2, 0, true, false},
                                           IncompleteCase{7, 2, false, false},
                                           IncompleteCase{8, 2, true, false}));

TEST_F(Previews, FailedLoadKeepsWhatCameBeforeAndItsEmptyElementShowsTheBackground)
{
    // The second image's bitmap is cut short, so the load stops with a message there.
    QByteArray bytes = themeBytes(6);
    const qsizetype second = bytes.indexOf("BM", bytes.indexOf("BM") + 60);
    ASSERT_GT(second, 0);
    bytes[second + 2] = char(0x10);
    bytes[second + 3] = char(0x10);
    bytes[second + 4] = char(0x10);
    writeFile(folders.themes + QStringLiteral("/a.xbn"), bytes);
    ctlButton& button = addButton(QStringLiteral("button"), {81, 33}, 0, 3);
    shtStyles& shown = openOn(folders.themes);

    ASSERT_EQ(messages.messages.size(), 1u);
    ASSERT_EQ(shown.ThemePictures().size(), 3u);
    EXPECT_EQ(shown.ThemePictures()[2], nullptr);
    ASSERT_EQ(shown.styleCount(), 1);
    EXPECT_EQ(faceColour(*shown.State1(0)), imageColour(1));
    EXPECT_EQ(faceColour(*shown.State2(0)), platform::toPixel(platform::kButtonFace) & RGB_MASK);
    press(shown.State1(0));
    EXPECT_EQ(button.theme_no(), 3);
}

TEST_F(Previews, FileWithoutImagesLeavesThePreviousPreviews)
{
    addTheme(folders.themes, QStringLiteral("a.xbn"), 6);
    writeFile(folders.themes + QStringLiteral("/b.xbn"), QByteArray(200, '\0'));
    ctlButton& button = addButton(QStringLiteral("button"), {81, 33}, 0, 0);
    shtStyles& shown = openOn(folders.themes);
    const themepicker::StyleFace* before = shown.State1(1);

    File1(shown).setListIndex(1);
    settle();

    EXPECT_EQ(shown.LoadedThemeFile(), QStringLiteral("b.xbn"));
    EXPECT_EQ(shown.State1(1), before);
    EXPECT_TRUE(before->isVisible());
    press(shown.State1(1));
    EXPECT_EQ(button.theme_no(), 0);
}

TEST_F(Previews, AssistiveTechnologySeesEachPreviewAsAButtonThatInstallsItsStyle)
{
    ctlButton& button = addButton(QStringLiteral("button"), {81, 33});
    shtStyles& shown = openTheme(3 * 6);

    QAccessibleInterface* preview = QAccessible::queryAccessibleInterface(shown.State1(4));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->role(), QAccessible::Button);
    EXPECT_EQ(preview->text(QAccessible::Name), QStringLiteral("Style 4"));
    QAccessibleActionInterface* actions = preview->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));

    actions->doAction(QAccessibleActionInterface::pressAction());

    EXPECT_EQ(button.theme_no(), 4);
    EXPECT_EQ(frontFace(shown, 4), 1);
}

} // namespace
