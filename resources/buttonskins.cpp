#include "resources/buttonskins.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

constexpr qreal kBarRadius = 4.0;
constexpr qreal kCloseRadius = 3.0;

// A glossy face: a lighter upper half with its own shine over a darker lower half,
// split hard at the middle.
struct Gloss {
    QColor upperTop;
    QColor upperBottom;
    QColor lowerTop;
    QColor lowerBottom;
};

struct FaceStyle {
    Gloss gloss;
    QColor frame;
};

QLinearGradient glossGradient(const QRectF& face, const Gloss& gloss)
{
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0.0, gloss.upperTop);
    gradient.setColorAt(0.499, gloss.upperBottom);
    gradient.setColorAt(0.501, gloss.lowerTop);
    gradient.setColorAt(1.0, gloss.lowerBottom);
    return gradient;
}

QImage drawFace(QSize size, const FaceStyle& style, qreal radius)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kSkinCornerColour);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(style.frame, 1.0));
    painter.setBrush(glossGradient(frame, style.gloss));
    painter.drawRoundedRect(frame, radius, radius);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

const QColor kDarkGreyFrame(72, 72, 76);

const Gloss kGreyGloss{QColor(236, 236, 238), QColor(184, 184, 188), QColor(34, 34, 36),
                       QColor(0, 0, 0)};
const Gloss kPressedGloss{QColor(132, 132, 136), QColor(96, 96, 100), QColor(20, 20, 22),
                          QColor(0, 0, 0)};

SkinSet drawBarSkin(QSize size, const Gloss& glow)
{
    return {drawFace(size, {kGreyGloss, kDarkGreyFrame}, kBarRadius),
            drawFace(size, {glow, kDarkGreyFrame}, kBarRadius),
            drawFace(size, {kPressedGloss, kDarkGreyFrame}, kBarRadius)};
}

} // namespace

SkinSet drawSkinSetA()
{
    const Gloss green{QColor(176, 255, 176), QColor(84, 214, 84), QColor(0, 96, 0),
                      QColor(0, 44, 0)};
    return drawBarSkin(kSkinSetASize, green);
}

SkinSet drawSkinSetB()
{
    const Gloss blue{QColor(180, 214, 255), QColor(86, 142, 232), QColor(0, 40, 110),
                     QColor(0, 14, 60)};
    return drawBarSkin(kSkinSetBSize, blue);
}

SkinSet drawSkinSetC()
{
    const FaceStyle red{
        {QColor(255, 136, 124), QColor(222, 50, 40), QColor(176, 22, 16), QColor(120, 4, 4)},
        QColor(96, 12, 10)};
    const FaceStyle pressed{
        {QColor(64, 20, 18), QColor(44, 10, 8), QColor(30, 4, 4), QColor(18, 0, 0)},
        QColor(232, 36, 28)};
    const QImage face = drawFace(kSkinSetCSize, red, kCloseRadius);
    return {face, face, drawFace(kSkinSetCSize, pressed, kCloseRadius)};
}

} // namespace artwork
