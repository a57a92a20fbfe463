#include "platform/drawingsurface.h"
#include "support/devicepixels.h"

#include <QFont>
#include <QPainter>
#include <QtMath>
#include <gtest/gtest.h>

namespace {

using platform::DrawingSurface;

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

// One-pixel checks: the finest detail a bitmap can have.
platform::PicturePtr checkerPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? kBlack : kWhite);
    return platform::makePicture(image);
}

QImage keyedMark()
{
    QImage mark(6, 6, QImage::Format_RGB32);
    mark.fill(qRgb(255, 0, 255));
    mark.setPixel(2, 3, qRgb(0, 128, 0));
    mark.setPixel(4, 1, qRgb(0, 128, 0));
    return mark;
}

// A face as a button draws it: picture, bevel line, keyed copy, and optionally a caption.
void drawFace(DrawingSurface& surface, bool withCaption)
{
    surface.setSize(QSize(81, 33));
    surface.setPicture(checkerPicture(QSize(60, 33)));
    surface.setForeColour(platform::rgbValue(128, 128, 128));
    surface.line({0, 450}, {1215, 450});
    surface.copyKeyed(keyedMark(), QSize(6, 6), QPoint(70, 4), qRgb(255, 0, 255));
    if (!withCaption)
        return;
    surface.setForeColour(platform::rgbValue(0, 0, 255));
    surface.setFont(QFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold));
    surface.setCurrentPosition({150, 60});
    surface.print(QStringLiteral("Exit"));
}

TEST(DrawingSurface, AtRatioOneShowsItsLogicalPixelsThemselves)
{
    DrawingSurface surface;
    drawFace(surface, true);
    EXPECT_EQ(surface.deviceImage(), surface.image());
    EXPECT_EQ(surface.deviceImage().devicePixelRatio(), 1.0);
}

// Bitmaps, lines and keyed copies are enlarged without blending: at ratio 2 every logical
// pixel is a uniform 2 × 2 block of its own colour.
TEST(DrawingSurface, EnlargesBitmapsWithoutBlending)
{
    DrawingSurface surface;
    surface.setDevicePixelRatio(2);
    drawFace(surface, false);
    const QImage& logical = surface.image();
    const QImage device = surface.deviceImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(device.size(), logical.size() * 2);
    EXPECT_EQ(device.devicePixelRatio(), 2.0);
    EXPECT_FALSE(hasDetailFinerThanBlocks(device, 2));
    EXPECT_EQ(device.scaled(logical.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation),
              logical.convertToFormat(QImage::Format_RGB32));
}

TEST(DrawingSurface, EnlargesToWholeDevicePixelsWithTheLogicalColoursOnly)
{
    for (const qreal ratio : {1.25, 1.5, 1.75}) {
        SCOPED_TRACE(ratio);
        DrawingSurface surface;
        surface.setDevicePixelRatio(ratio);
        drawFace(surface, false);
        EXPECT_EQ(surface.deviceImage().size(), QSize(qCeil(81 * ratio), qCeil(33 * ratio)));
        EXPECT_EQ(coloursOf(surface.deviceImage()), coloursOf(surface.image()));
    }
}

// The caption is printed at the device's resolution: finer than enlarged logical pixels,
// and only where the caption is; the logical pixels stay those of ratio 1.
TEST(DrawingSurface, PrintsTextAtTheDeviceResolution)
{
    DrawingSurface atOne;
    drawFace(atOne, true);
    DrawingSurface atTwo;
    atTwo.setDevicePixelRatio(2);
    drawFace(atTwo, true);
    EXPECT_EQ(atTwo.image(), atOne.image());
    const QRect caption(10, 4, 50, 22);
    const QRect deviceCaption(caption.topLeft() * 2, caption.size() * 2);
    EXPECT_TRUE(hasDetailFinerThanBlocks(atTwo.deviceImage(), 2, deviceCaption));
    QImage outside = atTwo.deviceImage().convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&outside);
        painter.fillRect(caption, Qt::black);
    }
    EXPECT_FALSE(hasDetailFinerThanBlocks(outside, 2));
}

TEST(DrawingSurface, ANewRatioShowsTheSameLogicalPixels)
{
    DrawingSurface surface;
    drawFace(surface, false);
    const QImage before = surface.image();
    surface.setDevicePixelRatio(2);
    EXPECT_EQ(surface.image(), before);
    EXPECT_EQ(surface.deviceImage().size(), before.size() * 2);
    surface.setDevicePixelRatio(1);
    EXPECT_EQ(surface.deviceImage(), before);
}

} // namespace
