#include "skinartwork.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace gallery {
namespace {

const QColor kKey(255, 0, 255);

} // namespace

platform::PicturePtr drawSkin(QSize pixels, const SkinStyle& style, int radius)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(kKey);
    QPainter painter(&image);
    // Without antialiasing the edge has no blends of magenta, which would not be left out.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF body(0, 0, pixels.width() - 1, pixels.height() - 1);
    QPainterPath shape;
    shape.addRoundedRect(body, radius, radius);
    QLinearGradient gloss(0, 0, 0, pixels.height());
    gloss.setColorAt(0.0, style.upper.lighter(120));
    gloss.setColorAt(0.49, style.upper);
    gloss.setColorAt(0.5, style.lower);
    gloss.setColorAt(1.0, style.lower.lighter(130));
    painter.setPen(style.frame);
    painter.setBrush(gloss);
    painter.drawPath(shape);
    return platform::makePicture(image);
}

SkinSet greySet(QSize pixels)
{
    return {drawSkin(pixels, {QColor(200, 200, 200), QColor(10, 10, 10), QColor(70, 70, 70)}, 4),
            drawSkin(pixels, {QColor(140, 230, 140), QColor(0, 90, 0), QColor(70, 70, 70)}, 4),
            drawSkin(pixels, {QColor(110, 110, 110), QColor(0, 0, 0), QColor(50, 50, 50)}, 4)};
}

SkinSet blueGlowSet(QSize pixels)
{
    return {drawSkin(pixels, {QColor(190, 190, 200), QColor(20, 20, 30), QColor(70, 70, 80)}, 4),
            drawSkin(pixels, {QColor(140, 180, 250), QColor(0, 30, 110), QColor(70, 70, 80)}, 4),
            drawSkin(pixels, {QColor(100, 100, 110), QColor(0, 0, 10), QColor(50, 50, 60)}, 4)};
}

SkinSet redSet(QSize pixels)
{
    const platform::PicturePtr glossy =
        drawSkin(pixels, {QColor(250, 120, 110), QColor(170, 0, 0), QColor(110, 0, 0)}, 2);
    return {glossy, glossy,
            drawSkin(pixels, {QColor(60, 10, 10), QColor(30, 0, 0), QColor(220, 0, 0)}, 2)};
}

platform::PicturePtr drawIcon(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(kKey);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int tab = side / 3;
    painter.setPen(QColor(120, 80, 0));
    painter.setBrush(QColor(250, 200, 60));
    painter.drawRect(1, side / 5, tab, side / 8);
    painter.drawRect(1, side / 4, side - 3, side - side / 4 - 3);
    painter.setPen(QColor(255, 240, 180));
    painter.drawLine(2, side / 4 + 1, side - 3, side / 4 + 1);
    return platform::makePicture(image);
}

} // namespace gallery
