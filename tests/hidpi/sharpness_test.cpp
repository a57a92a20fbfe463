// Run at device pixel ratios 1, 1.5 and 2 (Qt's scale factor): type and artwork are drawn
// at the screen's resolution, bitmaps are enlarged without blur, and at ratio 1 the
// window shows exactly the pixels it always has.
#include "app/about.h"
#include "app/finderwindow.h"
#include "button/ctlbutton.h"
#include "marquee/display.h"
#include "resources/artwork.h"
#include "resources/background.h"
#include "support/devicepixels.h"
#include "support/screenpixels.h"

#include <QtMath>

namespace {

QImage rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage grabbed(QWidget& widget)
{
    return rgb(widget.grab().toImage());
}

QRect deviceRect(const QRect& logical, int ratio)
{
    return QRect(logical.topLeft() * ratio, logical.size() * ratio);
}

class Sharpness : public FinderWindow {
protected:
    qreal ratio() const { return form->devicePixelRatioF(); }
};

TEST_F(Sharpness, RunsAtTheScaleFactorItWasGiven)
{
    const qreal expected = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    EXPECT_EQ(ratio(), expected);
}

TEST_F(Sharpness, ButtonCaptionsAreDrawnAtTheDeviceResolution)
{
    for (const char* name :
         {"ctlButton1", "ctlButton2", "ctlButton3", "ctlButton4", "ctlButton5"}) {
        SCOPED_TRACE(name);
        auto* button = control<ctlButton>(name);
        const QImage shown = grabbed(*button);
        if (ratio() == 1.0) {
            EXPECT_EQ(shown, rgb(button->face()));
        }
        if (ratio() == 2.0) {
            EXPECT_TRUE(hasDetailFinerThanBlocks(shown, 2));
        }
    }
}

// Every dot is a square of 2 logical pixels a side in device pixels, in the display's
// two colours only: nothing is blended.
TEST_F(Sharpness, LedDotsStaySquareAndUnblurred)
{
    auto* display = control<marquee::Display>("Display1");
    display->setScroll(false);
    display->setCaption(QStringLiteral("ICS 8"));
    const QImage shown = grabbed(*display);
    const QRgb lit = qRgb(255, 255, 0), unlit = qRgb(100, 100, 0);
    EXPECT_EQ(coloursOf(shown), (QSet<QRgb>{qRgb(0, 0, 0), lit, unlit}));
    const int side = qRound(2 * ratio());
    for (int cell = 0; cell < 5; ++cell) {
        for (int dot = 0; dot < 35; ++dot) {
            const QPointF centre(16 * cell + 2 + 3 * (dot % 5), 2 + 3 * (dot / 5));
            const QPoint at = (centre * ratio()).toPoint();
            const QRgb colour = shown.pixel(at);
            const auto run = [&](QPoint step) {
                QPoint start = at, end = at;
                while (shown.valid(start - step) && shown.pixel(start - step) == colour)
                    start -= step;
                while (shown.valid(end + step) && shown.pixel(end + step) == colour)
                    end += step;
                return QPoint(end - start).manhattanLength() + 1;
            };
            ASSERT_EQ(run({1, 0}), side) << "cell " << cell << " dot " << dot;
            ASSERT_EQ(run({0, 1}), side) << "cell " << cell << " dot " << dot;
        }
    }
}

// A scroll step moves the shown cells on the screen; at every ratio what the window then
// shows is what drawing the display afresh gives.
TEST_F(Sharpness, AScrolledMarqueeShowsWhatAFreshDrawingShows)
{
    auto* display = control<marquee::Display>("Display1");
    for (int step = 0; step < 40; ++step)
        display->scrollStep();
    EXPECT_TRUE(pixelsOnScreen(*display) == grabbed(*display));
}

TEST_F(Sharpness, TheBackgroundsTypeIsDrawnAtTheDeviceResolution)
{
    const QImage shown = grabbed(*form);
    const QRect panel = artwork::painted::kTitlePanel;
    if (ratio() == 1.0) {
        const QImage background = artwork::image(QString::fromLatin1(artwork::kBackgroundFile));
        EXPECT_EQ(shown.copy(panel), rgb(background.copy(panel)));
    }
    if (ratio() == 2.0) {
        EXPECT_TRUE(hasDetailFinerThanBlocks(shown, 2, deviceRect(panel, 2)));
    }
}

TEST_F(Sharpness, TheIcMarkingIsDrawnAtTheDeviceResolution)
{
    typeIntoModelBox(QStringLiteral("6220c"));
    auto* picture = control<QLabel>("Picture2");
    ASSERT_TRUE(picture->isVisible());
    const QImage shown = grabbed(*picture);
    const QImage drawn = artwork::image(artwork::icPictureFile(2), ratio());
    EXPECT_GE(drawn.devicePixelRatio(), ratio());
    if (ratio() == 1.0) {
        const QRect both = picture->rect().intersected(drawn.rect());
        EXPECT_EQ(shown.copy(both), rgb(drawn.copy(both)));
    }
    if (ratio() == 2.0) {
        EXPECT_TRUE(hasDetailFinerThanBlocks(shown, 2));
    }
}

TEST_F(Sharpness, TheAboutCardIsDrawnAtTheDeviceResolution)
{
    app::about card;
    const QImage shown = grabbed(card);
    if (ratio() == 1.0) {
        const QImage drawn = artwork::image(QString::fromLatin1(artwork::kAboutCardFile));
        EXPECT_EQ(shown, rgb(drawn.copy(card.rect())));
    }
    if (ratio() == 2.0) {
        EXPECT_TRUE(hasDetailFinerThanBlocks(shown, 2));
    }
}

TEST_F(Sharpness, PointerAndIconHaveTheDevicesPixels)
{
    const QCursor pointer = control("Label1")->cursor();
    EXPECT_EQ(pointer.hotSpot(), QPoint(12, 1));
    EXPECT_GE(pointer.pixmap().devicePixelRatio(), ratio());
    for (const int size : artwork::kWindowIconSizes) {
        const QPixmap icon = form->windowIcon().pixmap(QSize(size, size), ratio());
        EXPECT_EQ(icon.size(), QSize(size, size) * ratio()) << size;
    }
}

} // namespace
