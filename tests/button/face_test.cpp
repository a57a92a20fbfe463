#include "buttontesting.h"
#include "platform/colour.h"
#include "platform/eventpump.h"
#include "platform/propertybag.h"
#include "skin/busyguard.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kBevelLight = qRgb(0xE0, 0xE0, 0xE0);
constexpr QRgb kBevelDark = qRgb(0x80, 0x80, 0x80);
constexpr QRgb kDisabledText = qRgb(0x88, 0x88, 0x88);
constexpr QRgb kCaptionRed = qRgb(255, 0, 0);

QRgb at(const ctlButton& button, int x, int y)
{
    return button.face().pixel(x, y) & RGB_MASK;
}

// A button whose three state pictures are of its own size, installed as a stored set
// installs them: shared, not stretched.
struct SkinnedFixture : ButtonFixture {
    SkinnedFixture()
    {
        button.setCaption(QString());
        button.SetSkin(normal, hover, pressed, QStringLiteral("1500,450,45,45,45,45,45,45"), 0, 0,
                       true);
    }
    platform::PicturePtr normal = makeFilled({100, 30}, qRgb(10, 20, 30));
    platform::PicturePtr hover = makeFilled({100, 30}, qRgb(40, 50, 60));
    platform::PicturePtr pressed = makeFilled({100, 30}, qRgb(70, 80, 90));
};

TEST(Draw, ShowsTheStatePictureAndRecordsTheState)
{
    SkinnedFixture f;
    const struct {
        std::int16_t state;
        std::int16_t recorded;
        QRgb colour;
    } cases[] = {{0, 0, qRgb(10, 20, 30)},
                 {1, 1, qRgb(40, 50, 60)},
                 {2, 2, qRgb(70, 80, 90)},
                 {7, 0, qRgb(10, 20, 30)},
                 {-1, 0, qRgb(10, 20, 30)}};
    for (const auto& c : cases) {
        f.button.Draw(c.state == 2, c.state);
        EXPECT_EQ(f.button.FaceState(), c.recorded) << c.state;
        const platform::PicturePtr& shown =
            c.recorded == 0 ? f.normal : (c.recorded == 1 ? f.hover : f.pressed);
        EXPECT_EQ(f.button.face(), shown->image()) << c.state;
        EXPECT_EQ(at(f.button, 50, 15), c.colour & RGB_MASK) << c.state;
    }
}

TEST(Draw, ShowsTheBackgroundInAStateWithoutPicture)
{
    ButtonFixture f;
    f.button.setCaption(QString());
    f.button.setBackColor(platform::rgbValue(0, 0, 255));
    f.button.SetSkin(makeFilled({100, 30}, qRgb(10, 20, 30)), nullptr, nullptr,
                     QStringLiteral("1500,450,45,45,45,45,45,45"), 0, 0, true);
    f.button.Draw(false, 1);
    EXPECT_EQ(f.button.FaceState(), 1);
    EXPECT_FALSE(hasPixel(f.button.face(), qRgb(10, 20, 30)));
    EXPECT_EQ(at(f.button, 50, 15), qRgb(0, 0, 255) & RGB_MASK);
}

TEST(Draw, GivesAButtonWithoutSkinARaisedOrSunkenBevel)
{
    ButtonFixture f;
    f.button.setCaption(QString());
    f.button.Draw(false, 0);
    EXPECT_EQ(at(f.button, 50, 0), kBevelLight & RGB_MASK);
    EXPECT_EQ(at(f.button, 0, 15), kBevelLight & RGB_MASK);
    EXPECT_EQ(at(f.button, 99, 15), kBevelDark & RGB_MASK);
    EXPECT_EQ(at(f.button, 50, 29), kBevelDark & RGB_MASK);
    EXPECT_EQ(at(f.button, 50, 15), platform::toPixel(platform::kButtonFace) & RGB_MASK);

    f.button.Draw(true, 2);
    EXPECT_EQ(f.button.FaceState(), 2);
    EXPECT_EQ(at(f.button, 50, 0), kBevelDark & RGB_MASK);
    EXPECT_EQ(at(f.button, 0, 15), kBevelDark & RGB_MASK);
    EXPECT_EQ(at(f.button, 99, 15), kBevelLight & RGB_MASK);
    EXPECT_EQ(at(f.button, 50, 29), kBevelLight & RGB_MASK);

    f.button.Draw(false, 9);
    EXPECT_EQ(f.button.FaceState(), 0);
}

TEST(Draw, InToolbarModeShowsOnlyTheStatePicture)
{
    SkinnedFixture f;
    f.button.setCaption(QStringLiteral("Caption"));
    f.button.setButtonPicture(makeFilled({16, 16}, qRgb(0, 255, 0)));
    f.button.setToolbarMode(true);
    f.button.Draw(false, 0);
    EXPECT_EQ(f.button.face(), f.normal->image());
    f.button.Draw(true, 2);
    EXPECT_EQ(f.button.face(), f.pressed->image());
}

TEST(Draw, PrintsADisabledCaptionInGrey)
{
    SkinnedFixture f;
    QFont big(QStringLiteral("DejaVu Sans"), 14);
    big.setBold(true);
    f.button.setFont(big);
    f.button.setForeColor(platform::rgbValue(255, 0, 0));
    f.button.setCaption(QStringLiteral("IIII"));
    EXPECT_TRUE(hasPixel(f.button.face(), kCaptionRed));
    EXPECT_FALSE(hasPixel(f.button.face(), kDisabledText));

    f.button.setEnabled(false);
    EXPECT_FALSE(hasPixel(f.button.face(), kCaptionRed));
    EXPECT_TRUE(hasPixel(f.button.face(), kDisabledText));
    // Over the normal picture.
    EXPECT_EQ(at(f.button, 1, 1), qRgb(10, 20, 30) & RGB_MASK);
}

TEST(Draw, MovesAPressedCaptionRightAndDown)
{
    SkinnedFixture f;
    QFont big(QStringLiteral("DejaVu Sans"), 14);
    f.button.setFont(big);
    f.button.setForeColor(platform::rgbValue(255, 0, 0));
    f.button.setCaption(QStringLiteral("H"));
    // Where the caption's ink lies on the state picture's plain colour.
    const auto inkBox = [&](QRgb background) {
        QRect box;
        const QImage& face = f.button.face();
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                if ((face.pixel(x, y) & RGB_MASK) != (background & RGB_MASK))
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    f.button.Draw(false, 1);
    const QRect up = inkBox(qRgb(40, 50, 60));
    f.button.Draw(true, 2);
    const QRect down = inkBox(qRgb(70, 80, 90));
    ASSERT_FALSE(up.isEmpty());
    EXPECT_EQ(down.size(), up.size());
    // 15 twips down is one pixel; 10 twips right is two thirds of one, which rounds to
    // the same pixel or the next.
    EXPECT_EQ(down.top() - up.top(), 1);
    EXPECT_GE(down.left() - up.left(), 0);
    EXPECT_LE(down.left() - up.left(), 1);
}

TEST(Draw, CopiesThePictureWithoutItsKeyColourAndMovesItWhenPressed)
{
    SkinnedFixture f;
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(qRgb(0, 255, 0));
    image.setPixel(0, 0, qRgb(1, 2, 3)); // the key colour
    image.setPixel(5, 5, qRgb(1, 2, 3));
    f.button.setButtonPicture(platform::makePicture(image));
    // A lone picture 240 twips square on 1500 × 450: at (41, 7).
    EXPECT_EQ(at(f.button, 41 + 1, 7 + 1), qRgb(0, 255, 0) & RGB_MASK);
    EXPECT_EQ(at(f.button, 41 + 5, 7 + 5), qRgb(10, 20, 30) & RGB_MASK);
    EXPECT_EQ(at(f.button, 41, 7), qRgb(10, 20, 30) & RGB_MASK);
    EXPECT_EQ(at(f.button, 40, 8), qRgb(10, 20, 30) & RGB_MASK);
    f.button.Draw(true, 2);
    EXPECT_EQ(at(f.button, 41 + 1, 7 + 2 + 1), qRgb(0, 255, 0) & RGB_MASK);
    EXPECT_EQ(at(f.button, 41 + 1, 7 + 1), qRgb(70, 80, 90) & RGB_MASK);
}

TEST(Draw, GrowsTheButtonToFitItsPicture)
{
    ButtonFixture f({100, 20});
    f.button.setButtonPicture(makeFilled({32, 32}, qRgb(0, 255, 0)));
    // 480 + 70 twips is 36.67 pixels.
    EXPECT_EQ(f.button.height(), 37);
    EXPECT_EQ(f.button.width(), 100);
    EXPECT_EQ(f.button.face().size(), QSize(100, 37));

    ButtonFixture narrow({20, 100});
    narrow.button.setButtonPicture(makeFilled({32, 32}, qRgb(0, 255, 0)));
    EXPECT_EQ(narrow.button.size(), QSize(37, 100));
}

TEST(Draw, GrowsAHiddenButtonAndRunsItsResizeHandlingAtOnce)
{
    RecordingHost host;
    ctlButton button;
    button.setHost(&host);
    platform::PropertyBag bag;
    bag.writeProperty("PicState1", QVariant::fromValue(makeSkin({100, 20})));
    bag.writeProperty("Skin_Cords", QStringLiteral("1500,300,45,45,45,45,45,45"));
    button.resize(100, 20);
    button.ReadProperties(bag);
    button.setButtonPicture(makeFilled({32, 32}, qRgb(0, 255, 0)));
    EXPECT_EQ(button.height(), 37);
    // The rebuild ran before the button was ever shown.
    EXPECT_EQ(button.Skin_Cords(), "1500,555,45,45,45,45,45,45");
    EXPECT_EQ(button.PicState1()->image().size(), QSize(100, 37));
}

TEST(Draw, PrintsACaptionInAPixelSizedFontAtThatSize)
{
    // On the face's pixels, at 96 dots per inch, 24 pixels are 18 points.
    QFont inPixels(QStringLiteral("DejaVu Sans"));
    inPixels.setPixelSize(24);
    QFont inPoints(QStringLiteral("DejaVu Sans"));
    inPoints.setPointSizeF(18);
    SkinnedFixture pixels, points;
    for (auto* f : {&pixels, &points})
        f->button.setForeColor(platform::rgbValue(255, 0, 0));
    pixels.button.setFont(inPixels);
    points.button.setFont(inPoints);
    pixels.button.setCaption(QStringLiteral("Hg"));
    points.button.setCaption(QStringLiteral("Hg"));
    ASSERT_TRUE(hasPixel(points.button.face(), kCaptionRed));
    EXPECT_EQ(pixels.button.face(), points.button.face());
}

TEST(Draw, ShortensTheShownCaptionButKeepsTheProperty)
{
    ButtonFixture f({40, 30});
    const QString caption = QStringLiteral("A caption far too long for the button");
    f.button.setCaption(caption);
    EXPECT_EQ(f.button.Caption(), caption);
    EXPECT_TRUE(f.button.shownCaption().startsWith(u"..."));
    EXPECT_TRUE(caption.endsWith(f.button.shownCaption().mid(3)));
    EXPECT_LT(f.button.shownCaption().size() - 3, caption.size());
}

// Counts the event passes of the busy guard, to see whether it waits.
struct PassCounter {
    PassCounter()
        : previous(platform::setEventPass([this] { ++passes; }))
    {
    }
    ~PassCounter() { platform::setEventPass(previous); }
    int passes = 0;
    platform::EventPass previous;
};

TEST(Draw, ThatFailsLeavesTheBusyFlagClear)
{
    ButtonFixture f;
    platform::PropertyBag bag;
    // A stored picture is taken without a size check; this one's size overflows the twip
    // conversion, so composing the face fails.
    bag.writeProperty("BtnPicture", QVariant::fromValue(std::make_shared<platform::Picture>(
                                        platform::Picture::nonBitmap(platform::PictureType::Icon,
                                                                     2'000'000'000, 100))));
    f.button.ReadProperties(bag);
    f.button.Draw(false, 1);
    EXPECT_EQ(f.button.FaceState(), 1);
    EXPECT_EQ(basGeneral::SubBusy, 0);

    PassCounter counter;
    basGeneral::WaitWhileBusy(2, false, QStringLiteral("test"));
    EXPECT_EQ(counter.passes, 1);
}

} // namespace
