#include "resources/icon.h"

#include "resources/handsetdrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace artwork {
namespace {

void drawBoard(QPainter& painter, qreal s)
{
    QLinearGradient gradient(0, 0, 0, s);
    gradient.setColorAt(0.0, QColor(200, 228, 220));
    gradient.setColorAt(1.0, QColor(120, 160, 150));
    painter.setPen(QPen(QColor(50, 80, 74), std::max(1.0, s / 32)));
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18, s * 0.18);
}

// A chip with pins along its long sides.
void drawChip(QPainter& painter, const QRectF& chip)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(96, 96, 104));
    const int pins = 4;
    const qreal pitch = chip.height() / pins;
    for (int i = 0; i < pins; ++i) {
        const qreal y = chip.top() + pitch * (i + 0.25);
        painter.drawRect(
            QRectF(chip.left() - chip.width() * 0.18, y, chip.width() * 1.36, pitch * 0.5));
    }
    painter.setBrush(QColor(34, 36, 40));
    painter.drawRoundedRect(chip, chip.width() * 0.1, chip.width() * 0.1);
    painter.setBrush(QColor(90, 92, 98));
    painter.drawEllipse(QRectF(chip.left() + chip.width() * 0.15, chip.top() + chip.width() * 0.15,
                               chip.width() * 0.2, chip.width() * 0.2));
}

} // namespace

QImage drawIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    drawBoard(painter, s);
    drawCandybarPhone(painter, QRectF(s * 0.12, s * 0.12, s * 0.32, s * 0.76),
                      QColor(70, 110, 190));
    drawChip(painter, QRectF(s * 0.58, s * 0.3, s * 0.26, s * 0.4));
    painter.end();
    return icon;
}

} // namespace artwork
