#include "designer/widgeticons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vantreldesigner {
namespace {

constexpr int kIconSide = 32;

QPixmap transparentCanvas()
{
    QPixmap canvas(kIconSide, kIconSide);
    canvas.fill(Qt::transparent);
    return canvas;
}

} // namespace

// A rounded, glossy face with a caption bar: a skinned push button.
QIcon buttonIcon()
{
    QPixmap canvas = transparentCanvas();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(2.5, 8.5, 27, 15);
    QLinearGradient gloss(face.topLeft(), face.bottomLeft());
    gloss.setColorAt(0.0, QColor(0x9c, 0xd4, 0xff));
    gloss.setColorAt(0.5, QColor(0x3a, 0x8d, 0xde));
    gloss.setColorAt(1.0, QColor(0x1d, 0x5a, 0xa8));
    painter.setPen(QPen(QColor(0x12, 0x3c, 0x70), 1));
    painter.setBrush(gloss);
    painter.drawRoundedRect(face, 5, 5);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(9, 16), QPointF(23, 16));
    return QIcon(canvas);
}

// A dark panel with a row of lit and unlit LED dots: the marquee.
QIcon displayIcon()
{
    QPixmap canvas = transparentCanvas();
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(0.5, 8.5, 31, 15));
    painter.setPen(Qt::NoPen);
    // A 7 × 3 grid of dots; the lit ones spell a small arrow running left.
    const bool lit[3][7] = {{0, 0, 1, 0, 0, 0, 0}, {0, 1, 1, 1, 1, 1, 0}, {0, 0, 1, 0, 0, 0, 0}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 7; ++column) {
            painter.setBrush(lit[row][column] ? QColor(0xff, 0x30, 0x30)
                                              : QColor(0x50, 0x10, 0x10));
            painter.drawEllipse(QPointF(4.5 + column * 4, 12.5 + row * 3.5), 1.4, 1.4);
        }
    }
    return QIcon(canvas);
}

} // namespace vantreldesigner
