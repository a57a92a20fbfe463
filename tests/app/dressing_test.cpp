#include "app/creditsline.h"
#include "button/ctlbutton.h"
#include "finderwindow.h"
#include "marquee/display.h"
#include "platform/colour.h"
#include "platform/fontsubstitutes.h"
#include "platform/pixelsurface.h"
#include "resources/artwork.h"
#include "resources/background.h"
#include "resources/buttonskins.h"
#include "resources/form1storedform.h"
#include "skin/keycolour.h"

#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

using platform::rgbValue;

// What each button comes up with.
struct DressedButton {
    const char* caption;
    const char* family;
    const char* shownFamily;
    double points;
    int weight;
    platform::ColourValue foreColour;
    bool enabled;
    std::int16_t themeFileNo;
    std::int16_t themeNo;
    const char* skinCords;
    QSize size;
};

const std::vector<DressedButton> kDressedButtons{
    {"Exit",
     "Tahoma",
     "DejaVu Sans",
     9.75,
     700,
     rgbValue(0, 255, 0),
     true,
     21,
     7,
     "1215,495,75,75,75,75,75,75",
     {81, 33}},
    {"About",
     "Tahoma",
     "DejaVu Sans",
     9.75,
     700,
     rgbValue(0, 255, 0),
     true,
     21,
     7,
     "1215,495,75,75,75,75,75,75",
     {81, 33}},
    {"Select Brand",
     "Tahoma",
     "DejaVu Sans",
     8.25,
     400,
     rgbValue(255, 255, 128),
     false,
     21,
     5,
     "1935,375,75,75,75,75,75,75",
     {129, 25}},
    {"Select Model",
     "Tahoma",
     "DejaVu Sans",
     8.25,
     400,
     rgbValue(255, 255, 128),
     true,
     21,
     5,
     "1935,375,75,75,75,75,75,75",
     {129, 25}},
    {"X",
     "Berlin Sans FB",
     "Comfortaa",
     9.75,
     400,
     rgbValue(255, 255, 0),
     true,
     2,
     0,
     "375,255,15,15,15,15,15,15",
     {25, 17}},
};

struct StoredPlace {
    const char* className;
    const char* name;
    int left, top, width, height;
    int himetricWidth, himetricHeight;
};

const std::vector<StoredPlace> kStoredPlaces{
    {"ctlButton", "ctlButton1", 5160, 5680, 1215, 495, 2143, 873},
    {"ctlButton", "ctlButton2", 3840, 5680, 1215, 495, 2143, 873},
    {"ctlButton", "ctlButton3", 2160, 2280, 1935, 375, 3413, 661},
    {"ctlButton", "ctlButton4", 240, 2280, 1935, 375, 3413, 661},
    {"ctlButton", "ctlButton5", 6120, 120, 375, 255, 661, 450},
    {"Display", "Display1", 240, 7680, 6240, 330, 11007, 582},
};

TEST(StoredForm, TheCompiledInFileHoldsEverySetAsDrawn)
{
    const platform::StoredForm compiledIn =
        platform::formFromText(artwork::contents(QString::fromLatin1(artwork::kForm1File)));
    EXPECT_EQ(compiledIn, artwork::form1StoredForm());
    EXPECT_EQ(compiledIn.name, QStringLiteral("Form1"));
    ASSERT_EQ(compiledIn.controls.size(), kStoredPlaces.size());
    for (std::size_t i = 0; i < kStoredPlaces.size(); ++i) {
        const StoredPlace& expected = kStoredPlaces[i];
        const platform::StoredControl& control = compiledIn.controls[i];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(control.className, QString::fromLatin1(expected.className));
        EXPECT_EQ(control.name, QString::fromLatin1(expected.name));
        EXPECT_EQ(QRect(control.left, control.top, control.width, control.height),
                  QRect(expected.left, expected.top, expected.width, expected.height));
        EXPECT_EQ(control.extentX, expected.himetricWidth);
        EXPECT_EQ(control.extentY, expected.himetricHeight);
        // The extent is the size at 1440 twips and 2540 HIMETRIC to the inch.
        EXPECT_EQ(control.extentX, qRound(control.width * 2540.0 / 1440.0));
        EXPECT_EQ(control.extentY, qRound(control.height * 2540.0 / 1440.0));
        for (const QString& key : control.properties.names())
            EXPECT_EQ(key, key.toLower());
        EXPECT_FALSE(control.properties.contains(QStringLiteral("backcolor")));
        EXPECT_FALSE(control.properties.contains(QStringLiteral("btnpicture")));
    }
    EXPECT_FALSE(compiledIn.controls[2].properties.contains(QStringLiteral("enabled")));
    EXPECT_FALSE(compiledIn.controls[4].properties.contains(QStringLiteral("theme_no")));
    EXPECT_EQ(compiledIn.controls[5].properties.names(),
              QStringList({"characters", "color", "caption", "scrollrate", "scroll"}));
}

// Each state picture is kept as an 8-bit-per-channel RGB PNG: 24 bits, no alpha.
TEST(StoredForm, KeepsTheStatePicturesAs24BitImages)
{
    const QJsonDocument document =
        QJsonDocument::fromJson(artwork::contents(QString::fromLatin1(artwork::kForm1File)));
    int pictures = 0;
    for (const QJsonValue control : document.object().value(QLatin1String("controls")).toArray()) {
        for (const QJsonValue property :
             control.toObject().value(QLatin1String("properties")).toArray()) {
            const QJsonObject entry = property.toObject();
            if (entry.value(QLatin1String("type")).toString() != QLatin1String("picture"))
                continue;
            QByteArray base64;
            for (const QJsonValue line : entry.value(QLatin1String("value"))
                                             .toObject()
                                             .value(QLatin1String("png"))
                                             .toArray())
                base64 += line.toString().toLatin1();
            const QByteArray png = QByteArray::fromBase64(base64);
            ASSERT_GT(png.size(), 26);
            EXPECT_EQ(png.at(24), 8) << "bits per channel";
            EXPECT_EQ(png.at(25), 2) << "colour type RGB";
            ++pictures;
        }
    }
    EXPECT_EQ(pictures, 15);
}

// The main window as the program brings it up, with the designed fonts mapped.
class DressedWindow : public FinderWindow {
protected:
    void SetUp() override
    {
        platform::installFontSubstitutes();
        FinderWindow::SetUp();
    }

    ctlButton* button(int number) const
    {
        return control<ctlButton>(qPrintable(QStringLiteral("ctlButton%1").arg(number)));
    }
    marquee::Display* display() const { return control<marquee::Display>("Display1"); }

    const platform::StoredControl& stored(const char* name) const
    {
        for (const platform::StoredControl& control : storedForm.controls) {
            if (control.name == QLatin1String(name))
                return control;
        }
        throw std::runtime_error(name);
    }

    const platform::StoredForm storedForm = artwork::form1StoredForm();
};

TEST_F(DressedWindow, ButtonsComeUpWithTheirStoredValues)
{
    for (int number = 1; number <= 5; ++number) {
        const DressedButton& expected = kDressedButtons[std::size_t(number - 1)];
        SCOPED_TRACE(expected.caption);
        const ctlButton* shown = button(number);
        EXPECT_EQ(shown->Caption(), QString::fromLatin1(expected.caption));
        EXPECT_EQ(shown->shownCaption(), QString::fromLatin1(expected.caption));
        const QFont font = shown->Font();
        EXPECT_EQ(font.family(), QString::fromLatin1(expected.family));
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(expected.shownFamily));
        EXPECT_DOUBLE_EQ(font.pointSizeF(), expected.points);
        EXPECT_EQ(font.weight(), expected.weight);
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
        EXPECT_EQ(shown->ForeColor(), expected.foreColour);
        EXPECT_EQ(shown->BackColor(), platform::kButtonFace);
        EXPECT_EQ(shown->Enabled(), expected.enabled);
        EXPECT_EQ(shown->theme_file_no(), expected.themeFileNo);
        EXPECT_EQ(shown->theme_no(), expected.themeNo);
        EXPECT_FALSE(shown->ToolbarMode());
        EXPECT_FALSE(shown->HasPicture());
        EXPECT_EQ(shown->Skin_Cords(), QString::fromLatin1(expected.skinCords));
        EXPECT_EQ(shown->size(), expected.size);
        EXPECT_EQ(shown->FaceState(), 0);
        for (const auto& state : {shown->PicState1(), shown->PicState2(), shown->PicState3()}) {
            ASSERT_TRUE(state);
            EXPECT_EQ(state->image().size(), expected.size);
        }
    }
}

// Showing a button rebuilds its pictures at its size; stored at that size already, they
// must come out as they went in, or the skins would blur at every start.
TEST_F(DressedWindow, ShownButtonsKeepTheirStoredPicturesPixelForPixel)
{
    for (int number = 1; number <= 5; ++number) {
        SCOPED_TRACE(number);
        const ctlButton* shown = button(number);
        const platform::PropertyBag& bag = stored(qPrintable(shown->objectName())).properties;
        const auto storedImage = [&](const char* key) {
            return bag.readProperty(QString::fromLatin1(key))
                .value<platform::PicturePtr>()
                ->image();
        };
        EXPECT_EQ(shown->PicState1()->image(), storedImage("PicState1"));
        EXPECT_EQ(shown->PicState2()->image(), storedImage("PicState2"));
        EXPECT_EQ(shown->PicState3()->image(), storedImage("PicState3"));
        // Nothing of the skin is taken for transparent: the corner shows as drawn.
        EXPECT_EQ(shown->face().pixel(0, 0) | 0xff000000u, artwork::kSkinCornerColour);
    }
}

TEST_F(DressedWindow, ButtonsThatShareASkinHoldIdenticalPictures)
{
    for (const auto& [first, second] : {std::pair{1, 2}, std::pair{3, 4}}) {
        EXPECT_EQ(button(first)->PicState1()->image(), button(second)->PicState1()->image());
        EXPECT_EQ(button(first)->PicState2()->image(), button(second)->PicState2()->image());
        EXPECT_EQ(button(first)->PicState3()->image(), button(second)->PicState3()->image());
    }
    EXPECT_NE(button(1)->PicState1()->image(), button(1)->PicState2()->image());
    EXPECT_EQ(button(5)->PicState1()->image(), button(5)->PicState2()->image());
    EXPECT_NE(button(5)->PicState1()->image(), button(5)->PicState3()->image());
}

TEST_F(DressedWindow, DisplayComesUpWithTwentySixYellowCells)
{
    marquee::Display* shown = display();
    EXPECT_EQ(shown->cellCount(), 26);
    EXPECT_EQ(shown->Characters(), QStringLiteral("26"));
    EXPECT_EQ(shown->Color(), 65535);
    EXPECT_EQ(shown->widthTwips(), 6240);
    EXPECT_EQ(shown->heightTwips(), 330);
    EXPECT_EQ(shown->size(), QSize(416, 22));
    EXPECT_EQ(shown->Caption(), app::creditsLine());
    EXPECT_TRUE(shown->Scroll());
    EXPECT_EQ(shown->ScrollRate(), 150);
    // Lit dots are yellow, unlit ones dark yellow, on black.
    const QImage surface = shown->surface();
    bool lit = false;
    bool unlit = false;
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
            const QRgb dot = surface.pixel(x, y) & 0xffffff;
            lit = lit || dot == 0xffff00;
            unlit = unlit || dot == 0x646400;
            EXPECT_TRUE(dot == 0xffff00 || dot == 0x646400 || dot == 0) << x << "," << y;
        }
    }
    EXPECT_TRUE(lit && unlit);
}

TEST_F(DressedWindow, EverySkinIsCopiedWhole)
{
    const platform::ColourValue magenta = rgbValue(255, 0, 255);
    for (int number = 1; number <= 5; ++number) {
        for (const auto& state : {button(number)->PicState1(), button(number)->PicState2(),
                                  button(number)->PicState3()}) {
            const QImage& image = state->image();
            EXPECT_EQ(basGeneral::GetKeyColor(platform::PixelSurface(image)), magenta) << number;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    ASSERT_NE(platform::fromPixel(image.pixel(x, y)), magenta) << number;
            }
        }
    }
}

// Pointer and focus, delivered to the window as the desktop delivers them.
class DressedButtons : public DressedWindow {
protected:
    QPoint centreOf(const ctlButton& target) const
    {
        return target.mapTo(form.get(), target.rect().center());
    }
    void hover(ctlButton& target) const
    {
        // The hover lasts while the pointer is reported over the button.
        target.setPointerQuery([&target] { return &target; });
        QTest::mouseMove(form->windowHandle(), centreOf(target));
    }
    void press(const ctlButton& target) const
    {
        QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, centreOf(target));
    }
    void releaseOutside(const ctlButton& target) const
    {
        QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {},
                            target.mapTo(form.get(), QPoint(target.width() + 20, -20)));
    }
    // A pixel of the face's upper half, clear of the caption.
    static QRgb upperFacePixel(const QImage& image) { return image.pixel(3, 6); }
};

TEST_F(DressedButtons, SelectBrandIgnoresThePointerAndIsPassedOverByTheFocus)
{
    ctlButton* brand = button(3);
    const QImage restingFace = brand->face();
    hover(*brand);
    press(*brand);
    EXPECT_EQ(brand->FaceState(), 0);
    EXPECT_FALSE(brand->isPolling());
    EXPECT_EQ(brand->face(), restingFace);
    releaseOutside(*brand);

    button(2)->setFocus();
    QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button(4));
    brand->setFocus();
    EXPECT_NE(QApplication::focusWidget(), brand);
}

TEST_F(DressedButtons, SelectBrandShowsItsCaptionGreyedOverTheNormalPicture)
{
    const QImage face = button(3)->face();
    EXPECT_EQ(upperFacePixel(face), upperFacePixel(button(3)->PicState1()->image()));
    bool grey = false;
    bool paleYellow = false;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            grey = grey || (face.pixel(x, y) & 0xffffff) == 0x888888;
            paleYellow = paleYellow || (face.pixel(x, y) & 0xffffff) == 0xffff80;
        }
    }
    EXPECT_TRUE(grey);
    EXPECT_FALSE(paleYellow);
}

TEST_F(DressedButtons, SelectModelHoversBlueAndPresses)
{
    ctlButton* model = button(4);
    int clicks = 0;
    QObject::connect(model, &ctlButton::Click, [&clicks] { ++clicks; });
    hover(*model);
    EXPECT_EQ(model->FaceState(), 1);
    const QRgb glow = upperFacePixel(model->face());
    EXPECT_EQ(glow, upperFacePixel(model->PicState2()->image()));
    EXPECT_GT(qBlue(glow), qRed(glow) + 40);
    press(*model);
    EXPECT_EQ(model->FaceState(), 2);
    EXPECT_EQ(upperFacePixel(model->face()), upperFacePixel(model->PicState3()->image()));
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, centreOf(*model));
    EXPECT_EQ(model->FaceState(), 1);
    EXPECT_EQ(clicks, 1) << "it clicks; the window gives the click no action";
}

TEST_F(DressedButtons, ExitHoversGreen)
{
    hover(*button(1));
    const QRgb glow = upperFacePixel(button(1)->face());
    EXPECT_GT(qGreen(glow), qRed(glow) + 40);
    EXPECT_GT(qGreen(glow), qBlue(glow) + 40);
}

TEST_F(DressedButtons, XLooksTheSameHoveredAndShowsADarkFramedFacePressed)
{
    ctlButton* close = button(5);
    const QImage normal = close->face();
    hover(*close);
    EXPECT_EQ(close->FaceState(), 1);
    EXPECT_EQ(close->face(), normal);
    press(*close);
    const QImage pressed = close->face();
    EXPECT_EQ(close->FaceState(), 2);
    const QRgb frame = pressed.pixel(0, pressed.height() / 2);
    const QRgb inside = pressed.pixel(3, pressed.height() - 4);
    EXPECT_GT(qRed(frame), 200);
    EXPECT_LT(qGreen(frame), 80);
    EXPECT_LT(qRed(inside), 80);
    releaseOutside(*close);
}

// The close button's skin and the background's painted close glyph are one face.
TEST(DressedBackground, PaintsTheCloseGlyphWithTheCloseSkin)
{
    const QImage background = artwork::drawBackground();
    const QImage skin = artwork::drawSkinSetC().normal;
    const QRect glyph = artwork::painted::kCloseGlyph;
    ASSERT_EQ(glyph.size(), skin.size());
    for (int x = 0; x < skin.width(); ++x) {
        EXPECT_EQ(background.pixel(glyph.left() + x, glyph.top()), skin.pixel(x, 0)) << x;
        EXPECT_EQ(background.pixel(glyph.left() + x, glyph.bottom()),
                  skin.pixel(x, skin.height() - 1))
            << x;
    }
}

// The line's pieces in order: what each holds and how long it is.
TEST(CreditsLine, HasTheDescribedShape)
{
    const QString line = app::creditsLine();
    ASSERT_EQ(line.size(), 180);
    struct Piece {
        int length;
        std::function<bool(const QString&)> holds;
    };
    const auto only = [](QChar c) {
        return [c](const QString& text) { return text == QString(text.size(), c); };
    };
    const auto words = [](const QString& text) {
        return !text.startsWith(QLatin1Char(' ')) && !text.contains(QLatin1String("  "));
    };
    const std::vector<Piece> pieces{
        {1, only(QLatin1Char(' '))},
        {5, [](const QString& text) { return text == QLatin1String("Nokia"); }},
        {2, only(QLatin1Char(' '))},
        {25,
         [](const QString& text) {
             return text == text.toLower() && text.endsWith(QLatin1String(" - v.1.00"));
         }},
        {22, only(QLatin1Char(' '))},
        {42, [&](const QString& text) { return words(text) && text.count(QLatin1Char(',')) >= 2; }},
        {10, only(QLatin1Char('.'))},
        {21, [&](const QString& text) { return words(text) && text.endsWith(QLatin1Char(' ')); }},
        {14, only(QLatin1Char('.'))},
        {10, [](const QString& text) { return text.startsWith(QLatin1Char(' ')); }},
        {2, only(QLatin1Char(' '))},
        {17,
         [&](const QString& text) { return words(text) && text.endsWith(QLatin1String(" and")); }},
        {2, only(QLatin1Char(' '))},
        {7, [&](const QString& text) { return words(text) && text.endsWith(QLatin1Char(' ')); }},
    };
    qsizetype at = 0;
    for (const Piece& piece : pieces) {
        const QString text = line.mid(at, piece.length);
        EXPECT_TRUE(piece.holds(text)) << "\"" << text.toStdString() << "\" at " << at;
        at += piece.length;
    }
    EXPECT_EQ(at, 180);
    EXPECT_FALSE(line.endsWith(QLatin1String("  ")));
}

// Drives the marquee's steps by hand, as its 150 ms timer would, from a window that has
// not run its event loop yet.
TEST(DressedMarquee, StartsStaticThenGoesBlankThenLetsTheLineEnter)
{
    app::Form1 form;
    auto* shown = form.findChild<marquee::Display*>(QStringLiteral("Display1"));
    ASSERT_NE(shown, nullptr);
    const QString line = app::creditsLine();
    const QString scrollText = QString(26, QLatin1Char(' ')) + line;
    const auto frameAt = [&](int position) {
        return scrollText.mid(position - 1, 26).leftJustified(26, QLatin1Char(' '));
    };

    EXPECT_EQ(shown->scrollPosition(), 1);
    EXPECT_EQ(shown->shownText(), line.left(26)) << "the first frame stands still";
    shown->scrollStep();
    EXPECT_EQ(shown->shownText(), QString(26, QLatin1Char(' '))) << "then the blank frame";
    shown->scrollStep();
    EXPECT_EQ(shown->shownText(), QString(25, QLatin1Char(' ')) + QLatin1Char('N'))
        << "the line's blank, then the maker enters at the right";
    for (int step = 3; step <= 206; ++step) {
        shown->scrollStep();
        const int position = step % 206 + 1;
        ASSERT_EQ(shown->scrollPosition(), position) << "step " << step;
        ASSERT_EQ(shown->shownText(), frameAt(position)) << "step " << step;
    }
    EXPECT_EQ(shown->scrollPosition(), 1) << "a cycle is 206 steps";
    EXPECT_EQ(shown->shownText(), QString(26, QLatin1Char(' ')));
    shown->scrollStep();
    shown->scrollStep();
    EXPECT_EQ(shown->shownText(), QString(25, QLatin1Char(' ')) + QLatin1Char('N'));
}

TEST(DressedMarquee, ShowsTheCommasOfTheCreditsLineAsBlankCells)
{
    app::Form1 form;
    auto* shown = form.findChild<marquee::Display*>(QStringLiteral("Display1"));
    ASSERT_NE(shown, nullptr);
    const QString line = app::creditsLine();
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    ASSERT_GT(comma, 0);
    // Scroll until the comma sits in the leftmost cell; the cell beside it is a blank.
    while (shown->shownText().front() != QLatin1Char(',') || shown->scrollPosition() < 27)
        shown->scrollStep();
    ASSERT_EQ(shown->shownText().at(1), QLatin1Char(' '));
    const QImage surface = shown->surface();
    EXPECT_EQ(surface.copy(0, 0, 16, 22), surface.copy(16, 0, 16, 22));
}

} // namespace
