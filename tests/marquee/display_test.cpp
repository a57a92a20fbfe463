#include "marquee/display.h"
#include "marquee/glyphtable.h"
#include "marquee/ledpalette.h"
#include "platform/application.h"
#include "platform/colour.h"
#include "platform/formfile.h"
#include "platform/runtimeerror.h"
#include "support/screenpixels.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPaintEvent>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages for the texts the display shows and the names it reports.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << list.join(", ").toStdString();
}

namespace {

using marquee::Display;

int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const platform::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

QImage cellOf(const QImage& strip, int index)
{
    return strip.copy(marquee::kCellWidth * index, 0, marquee::kCellWidth, marquee::kCellHeight);
}

// A display of some cells with its colour applied, and the changes it reports.
class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        display.setColor(255);
        QObject::connect(&display, &Display::propertyChanged,
                         [this](const QString& name) { changes.append(name); });
    }

    void sized(int cells)
    {
        display.setCharacters(QString::number(cells));
        changes.clear();
    }

    // Every cell of the surface shows the glyph of its character in shownText.
    void expectSurfaceShowsText() const
    {
        const QString shown = display.shownText();
        ASSERT_EQ(shown.size(), display.cellCount());
        for (int i = 0; i < shown.size(); ++i)
            EXPECT_EQ(cellOf(display.surface(), i),
                      cellOf(display.palette(), marquee::GlyphIndex(shown[i])))
                << "cell " << i;
    }

    Display display;
    QStringList changes;
};

TEST_F(DisplayTest, StaticCaptionIsPaddedOrCutToTheCells)
{
    struct Case {
        int cells;
        const char* caption;
        const char* shown;
    };
    for (const Case c : {Case{5, "abc", "abc  "},
                         {5, "abcdefgh", "abcde"},
                         {3, "", "   "},
                         {0, "abc", ""},
                         {4, "Nokia", "Noki"}}) {
        sized(c.cells);
        display.setCaption(c.caption);
        EXPECT_EQ(display.shownText(), c.shown) << c.caption;
        expectSurfaceShowsText();
    }
    EXPECT_EQ(changes.last(), "Caption");
}

TEST_F(DisplayTest, ScrollingTwoCharactersOverThreeCellsTakesFiveSteps)
{
    sized(3);
    display.setScrollRate(30000);
    display.setScroll(true);
    display.setCaption("AB");
    EXPECT_EQ(display.shownText(), "   ");
    const char* frames[] = {"  A", " AB", "AB ", "B  ", "   ", "  A"};
    const int positions[] = {2, 3, 4, 5, 1, 2};
    for (int step = 0; step < 6; ++step) {
        display.scrollStep();
        EXPECT_EQ(display.shownText(), frames[step]) << "step " << step;
        EXPECT_EQ(display.scrollPosition(), positions[step]) << "step " << step;
        expectSurfaceShowsText();
    }
}

// The areas of the paint events a widget receives.
class PaintedAreas : public QObject {
public:
    QList<QRect> areas;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            areas.append(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

TEST_F(DisplayTest, AScrollStepRepaintsOnlyTheCellsThatChanged)
{
    sized(5);
    display.setScrollRate(30000);
    display.setScroll(true);
    display.setCaption("AAB");
    display.show();
    QCoreApplication::processEvents();
    PaintedAreas painted;
    display.installEventFilter(&painted);

    struct Step {
        const char* shown;
        QRect repainted;
    };
    // A repeated letter and the blanks stay where they are; a line that moved by one
    // cell moves on the screen and draws only its new last cell.
    const Step steps[] = {{"    A", {64, 0, 16, 22}}, {"   AA", {48, 0, 16, 22}},
                          {"  AAB", {64, 0, 16, 22}}, {" AAB ", {64, 0, 16, 22}},
                          {"AAB  ", {64, 0, 16, 22}}, {"AB   ", {64, 0, 16, 22}}};
    for (const Step& step : steps) {
        painted.areas.clear();
        display.scrollStep();
        EXPECT_EQ(display.shownText(), step.shown);
        EXPECT_EQ(painted.areas, QList<QRect>{step.repainted}) << step.shown;
        expectSurfaceShowsText();
        EXPECT_TRUE(pixelsOnScreen(display) == display.surface()) << step.shown;
    }

    // A new colour or size redraws every cell.
    display.setColor(65535);
    expectSurfaceShowsText();
    sized(7);
    display.scrollStep();
    expectSurfaceShowsText();
}

TEST_F(DisplayTest, SwitchingScrollingDoesNotRedrawAndACaptionDrawsFromThePosition)
{
    sized(3);
    display.setScrollRate(30000);
    display.setCaption("AB");
    const QImage staticFrame = display.surface();
    display.setScroll(true);
    EXPECT_EQ(display.shownText(), "AB ");
    EXPECT_EQ(display.surface(), staticFrame);

    display.scrollStep();
    display.setScroll(false);
    EXPECT_EQ(display.shownText(), "  A");
    display.setCaption("XY");
    EXPECT_EQ(display.shownText(), "XY ");
    EXPECT_EQ(display.scrollPosition(), 2);

    display.setScroll(true);
    display.setCaption("CD");
    EXPECT_EQ(display.shownText(), "  C");
}

TEST_F(DisplayTest, ACaptionPastTheSixteenBitPositionWrapsToTheStart)
{
    sized(1);
    display.setScrollRate(30000);
    display.setScroll(true);
    display.setCaption(QString(40000, 'x'));
    for (int step = 1; step < 32767; ++step)
        display.scrollStep();
    EXPECT_EQ(display.scrollPosition(), 32767);
    EXPECT_EQ(display.shownText(), "x");
    display.scrollStep();
    EXPECT_EQ(display.scrollPosition(), 1);
    EXPECT_EQ(display.shownText(), " ");

    // A cycle that ends exactly at the last position runs to its end.
    display.setCaption(QString(32766, 'y'));
    for (int step = 1; step < 32767; ++step)
        display.scrollStep();
    EXPECT_EQ(display.scrollPosition(), 32767);
    EXPECT_EQ(display.shownText(), "y");
    display.scrollStep();
    EXPECT_EQ(display.scrollPosition(), 1);
}

TEST_F(DisplayTest, BlankAndCharactersWithoutGlyphShowThirtyFiveUnlitDots)
{
    sized(4);
    display.setCaption(" ,#a");
    const QImage blank = cellOf(display.surface(), 0);
    EXPECT_EQ(cellOf(display.surface(), 1), blank);
    EXPECT_EQ(cellOf(display.surface(), 2), blank);
    EXPECT_NE(cellOf(display.surface(), 3), blank);
    int unlit = 0;
    for (int y = 0; y < blank.height(); ++y)
        for (int x = 0; x < blank.width(); ++x)
            unlit += blank.pixel(x, y) == qRgb(100, 0, 0);
    EXPECT_EQ(unlit, 35 * 4);
}

TEST(Display, StaysBlackUntilAColourIsApplied)
{
    Display display;
    display.setCharacters("5");
    display.setCaption("AB");
    EXPECT_TRUE(display.palette().isNull());
    QImage black(display.surface().size(), QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(display.surface(), black);

    display.setColor(65535);
    EXPECT_NE(display.surface(), black);
    EXPECT_EQ(display.surface().pixel(1 + 3 * 2, 1), qRgb(255, 255, 0)); // top of the "A"
    EXPECT_EQ(display.surface().pixel(1, 1), qRgb(100, 100, 0));
}

TEST_F(DisplayTest, ColourIsReportedAndRecolours)
{
    sized(2);
    display.setCaption("8");
    changes.clear();
    display.setColor(16777215);
    EXPECT_EQ(changes, QStringList({"Color"}));
    EXPECT_EQ(display.Color(), 16777215);
    EXPECT_EQ(display.palette().pixel(16 + 4, 1), qRgb(255, 255, 255));
    expectSurfaceShowsText();
}

TEST(Display, SizingRuleKeepsWholeCellsAndOneCellHeight)
{
    struct Case {
        int width;
        int keptWidth;
        int cells;
    };
    for (const Case c : {Case{6239, 6000, 25},
                         {6240, 6240, 26},
                         {239, 0, 0},
                         {0, 0, 0},
                         {-500, 0, 0},
                         {2400, 2400, 10},
                         {32767, 32640, 136},
                         {40000, 32640, 136}}) {
        Display display;
        display.setWidthTwips(c.width);
        EXPECT_EQ(display.widthTwips(), c.keptWidth) << c.width;
        EXPECT_EQ(display.cellCount(), c.cells) << c.width;
        EXPECT_EQ(display.heightTwips(), 330) << c.width;
        EXPECT_EQ(display.size(), QSize(16 * c.cells, 22)) << c.width;
        EXPECT_EQ(display.surface().width(), 16 * c.cells) << c.width;
    }
}

TEST(Display, APixelResizeFollowsTheSizingRule)
{
    Display display;
    display.show();
    display.resize(100, 50); // 1500 twips: 6 whole cells
    EXPECT_EQ(display.cellCount(), 6);
    EXPECT_EQ(display.size(), QSize(96, 22));
    EXPECT_EQ(display.widthTwips(), 1440);
}

TEST(Display, NewlyPlacedControlHasTenCells)
{
    Display display;
    EXPECT_EQ(display.cellCount(), 0);
    display.InitProperties();
    EXPECT_EQ(display.widthTwips(), 2400);
    EXPECT_EQ(display.heightTwips(), 330);
    EXPECT_EQ(display.Characters(), "10");
    EXPECT_EQ(display.Caption(), "Display");
    EXPECT_EQ(display.Color(), 255);
}

TEST_F(DisplayTest, CharactersResizesTheControl)
{
    display.setCharacters("26");
    EXPECT_EQ(display.widthTwips(), 6240);
    EXPECT_EQ(display.cellCount(), 26);
    EXPECT_EQ(display.Characters(), "26");
    EXPECT_EQ(changes, QStringList({"Characters"}));

    display.setCharacters("2.5");
    EXPECT_EQ(display.Characters(), "2");
    display.setCharacters(" 3.5 ");
    EXPECT_EQ(display.Characters(), "4");
}

TEST_F(DisplayTest, CharactersRefusesWhatIsNoCellCount)
{
    sized(26);
    struct Case {
        const char* text;
        int error;
    };
    for (const Case c : {Case{"abc", platform::kErrTypeMismatch},
                         {"", platform::kErrTypeMismatch},
                         {"40000", platform::kErrOverflow},
                         {"137", platform::kErrOverflow},
                         {"-1", platform::kErrInvalidPropertyValue}}) {
        EXPECT_EQ(errorNumberOf([&] { display.setCharacters(c.text); }), c.error) << c.text;
        EXPECT_EQ(display.cellCount(), 26) << c.text;
        EXPECT_EQ(display.widthTwips(), 6240) << c.text;
    }
    EXPECT_TRUE(changes.isEmpty());
    display.setCharacters("136");
    EXPECT_EQ(display.widthTwips(), 32640);
}

TEST_F(DisplayTest, RateAndScrollingAdjustABelowOneRateToOne)
{
    struct Case {
        const char* what;
        std::function<void(Display&)> steps;
        int rate;
        bool scrolling;
    };
    const Case cases[] = {
        {"scrolling on at rate 0", [](Display& d) { d.setScroll(true); }, 1, true},
        {"rate 0 while scrolling",
         [](Display& d) {
             d.setScrollRate(150);
             d.setScroll(true);
             d.setScrollRate(0);
         },
         1, true},
        {"rate -5 while scrolling",
         [](Display& d) {
             d.setScroll(true);
             d.setScrollRate(-5);
         },
         1, true},
        {"rate 0 while not scrolling",
         [](Display& d) {
             d.setScrollRate(150);
             d.setScrollRate(0);
         },
         0, false},
        {"rate 0, then scrolling on",
         [](Display& d) {
             d.setScrollRate(0);
             d.setScroll(true);
         },
         1, true},
        {"rate 150, scrolling on and off",
         [](Display& d) {
             d.setScrollRate(150);
             d.setScroll(true);
             d.setScroll(false);
         },
         150, false},
    };
    for (const Case& c : cases) {
        Display d;
        c.steps(d);
        EXPECT_EQ(d.ScrollRate(), c.rate) << c.what;
        EXPECT_EQ(d.Scroll(), c.scrolling) << c.what;
    }
}

TEST_F(DisplayTest, NegativeRateWhileNotScrollingIsRefusedByTheTimer)
{
    display.setScrollRate(150);
    changes.clear();
    EXPECT_EQ(errorNumberOf([&] { display.setScrollRate(-1); }),
              platform::kErrInvalidPropertyValue);
    EXPECT_EQ(display.ScrollRate(), 150);
    EXPECT_TRUE(changes.isEmpty());
    display.setScroll(true);
    display.setScrollRate(200);
    EXPECT_EQ(changes, QStringList({"Scroll", "ScrollRate"}));
}

TEST_F(DisplayTest, TheScrollTimerDrivesTheSteps)
{
    sized(3);
    display.setScrollRate(1);
    display.setScroll(true);
    QElapsedTimer waited;
    waited.start();
    while (display.scrollPosition() == 1 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    EXPECT_NE(display.scrollPosition(), 1);
}

TEST_F(DisplayTest, SavingKeepsOnlyTheCellsAndTheColour)
{
    sized(26);
    display.setColor(65535);
    display.setCaption("Credits line");
    display.setScrollRate(150);
    display.setScroll(true);
    platform::PropertyBag bag;
    display.WriteProperties(bag);
    EXPECT_EQ(bag.names(), QStringList({"characters", "color", "caption", "scrollrate", "scroll"}));
    EXPECT_EQ(bag.readProperty("Characters"), QVariant::fromValue(qint16(26)));
    EXPECT_EQ(bag.readProperty("Color"), QVariant::fromValue(qint32(65535)));
    EXPECT_EQ(bag.readProperty("Caption").toString(), "Display");
    EXPECT_EQ(bag.readProperty("ScrollRate"), QVariant::fromValue(qint16(1)));
    EXPECT_EQ(bag.readProperty("Scroll"), QVariant::fromValue(qint16(0)));

    Display loaded;
    loaded.setWidthTwips(6240);
    loaded.ReadProperties(bag);
    EXPECT_EQ(loaded.Caption(), "Display");
    EXPECT_FALSE(loaded.Scroll());
    EXPECT_EQ(loaded.ScrollRate(), 1);
    EXPECT_EQ(loaded.Color(), 65535);
    EXPECT_EQ(loaded.shownText(), QString("Display").leftJustified(26));
    EXPECT_EQ(cellOf(loaded.surface(), 0), cellOf(loaded.palette(), marquee::GlyphIndex('D')));
    EXPECT_EQ(loaded.palette().pixel(16 * marquee::GlyphIndex('1') + 7, 1), qRgb(255, 255, 0));
}

TEST(Display, DefaultCellsAndColourAreNotStored)
{
    Display display;
    display.InitProperties();
    platform::PropertyBag bag;
    display.WriteProperties(bag);
    EXPECT_EQ(bag.names(), QStringList({"caption", "scrollrate", "scroll"}));
}

TEST(Display, ReadingAnEmptySetGivesTheReadDefaults)
{
    Display display;
    display.ReadProperties(platform::PropertyBag());
    EXPECT_EQ(display.cellCount(), 10);
    EXPECT_EQ(display.Color(), 255);
    EXPECT_EQ(display.Caption(), "Display");
    EXPECT_EQ(display.ScrollRate(), 1);
    EXPECT_FALSE(display.Scroll());
    EXPECT_FALSE(display.palette().isNull());
}

TEST(Display, StoredRateAndStateReachTheTimerUnadjusted)
{
    platform::PropertyBag bag;
    bag.writeProperty("scrollrate", QVariant::fromValue(qint16(0)));
    bag.writeProperty("SCROLL", QVariant::fromValue(qint16(-1)));
    Display display;
    display.ReadProperties(bag);
    EXPECT_EQ(display.ScrollRate(), 0);
    EXPECT_TRUE(display.Scroll());
}

// A value that cannot be read is skipped and the rest of the set is still applied, so
// the display never stays black for one bad value.
TEST(Display, ReadingSkipsAnUnreadableValueAndAppliesTheRest)
{
    struct Case {
        const char* name;
        QVariant value;
        int cells;
        std::int32_t color;
        QString caption;
        int rate;
    };
    const QRgb yellow = qRgb(255, 255, 0);
    const Case cases[] = {
        {"Characters", QString("many"), 8, 65535, "Credits", 150},
        {"Characters", QVariant::fromValue(qint16(200)), 8, 65535, "Credits", 150},
        {"Characters", QVariant::fromValue(qint32(70000)), 8, 65535, "Credits", 150},
        {"Color", QVariant(QFont("Tahoma")), 5, 255, "Credits", 150},
        {"Caption", QVariant::fromValue(platform::PicturePtr()), 5, 65535, "Display", 150},
        {"ScrollRate", QVariant::fromValue(qint16(-1)), 5, 65535, "Credits", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::PropertyBag bag;
        bag.writeProperty("Characters", QVariant::fromValue(qint16(5)));
        bag.writeProperty("Color", QVariant::fromValue(qint32(65535)));
        bag.writeProperty("Caption", QString("Credits"));
        bag.writeProperty("ScrollRate", QVariant::fromValue(qint16(150)));
        bag.writeProperty(c.name, c.value);
        Display display;
        display.setWidthTwips(8 * 240);

        EXPECT_EQ(errorNumberOf([&] { display.ReadProperties(bag); }), 0);
        EXPECT_EQ(display.cellCount(), c.cells);
        EXPECT_EQ(display.Color(), c.color);
        EXPECT_EQ(display.Caption(), c.caption);
        EXPECT_EQ(display.ScrollRate(), c.rate);
        EXPECT_EQ(display.shownText(), c.caption.leftJustified(c.cells, ' ', true));
        EXPECT_EQ(display.palette().pixel(16 * marquee::GlyphIndex('1') + 7, 1),
                  c.color == 65535 ? yellow : qRgb(255, 0, 0));
        EXPECT_EQ(cellOf(display.surface(), 0),
                  cellOf(display.palette(), marquee::GlyphIndex(c.caption[0])));
    }
}

} // namespace

namespace {

// Recolouring draws straight into the palette image: no file in the program's folder is
// written, read or deleted, so a file of the old temporary name is left alone.
TEST(Display, RecolouringLeavesTheProgramFolderAlone)
{
    QFile keep(QDir(platform::applicationFolder()).filePath("fontpal.tmp"));
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("the user's own file");
    keep.close();

    Display display;
    display.setCharacters("3");
    display.setColor(65535);
    display.ReadProperties(platform::PropertyBag());

    ASSERT_TRUE(keep.open(QIODevice::ReadOnly));
    EXPECT_EQ(keep.readAll(), "the user's own file");
    keep.close();
    keep.remove();
}

} // namespace

namespace {

TEST(Display, ASavedDisplayReadsBackThroughTheFormFile)
{
    Display saved;
    saved.setCharacters("26");
    saved.setColor(platform::rgbValue(0, 255, 0));
    platform::StoredControl control;
    control.className = "Display";
    control.name = "Display1";
    control.width = saved.widthTwips();
    control.height = saved.heightTwips();
    saved.WriteProperties(control.properties);
    platform::StoredForm form;
    form.name = "Form1";
    form.controls.push_back(control);

    const platform::StoredForm back = platform::formFromText(platform::formToText(form));
    ASSERT_EQ(back.controls.size(), 1u);
    Display loaded;
    loaded.setWidthTwips(back.controls[0].width);
    loaded.ReadProperties(back.controls[0].properties);
    EXPECT_EQ(loaded.Characters(), "26");
    EXPECT_EQ(loaded.Color(), saved.Color());
    EXPECT_EQ(loaded.heightTwips(), 330);
    EXPECT_EQ(loaded.shownText(), QString("Display").leftJustified(26));
}

} // namespace
