#include "resources/handsetdrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace artwork {
namespace {

// Deliberately not pure black: in the about card pure black is see-through.
const QColor kNearBlack(22, 24, 28);

void drawShell(QPainter& painter, const QRectF& body, const QColor& shell, qreal radius)
{
    QLinearGradient gradient(body.topLeft(), body.topRight());
    gradient.setColorAt(0.0, shell.darker(150));
    gradient.setColorAt(0.35, shell.lighter(130));
    gradient.setColorAt(1.0, shell.darker(170));
    painter.setPen(QPen(shell.darker(220), 1.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(body, radius, radius);
}

void drawScreen(QPainter& painter, const QRectF& screen)
{
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0.0, QColor(120, 170, 200));
    glass.setColorAt(0.55, QColor(40, 80, 120));
    glass.setColorAt(1.0, QColor(20, 40, 70));
    painter.setPen(QPen(kNearBlack, 1.0));
    painter.setBrush(glass);
    painter.drawRect(screen);
}

void drawKeypad(QPainter& painter, const QRectF& area, const QColor& keys)
{
    const qreal keyWidth = area.width() / 3.0;
    const qreal keyHeight = area.height() / 4.0;
    painter.setPen(QPen(keys.darker(200), 0.8));
    painter.setBrush(keys);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF key(area.left() + column * keyWidth, area.top() + row * keyHeight,
                             keyWidth, keyHeight);
            const qreal inset = std::max(0.6, keyWidth * 0.12);
            painter.drawRoundedRect(key.adjusted(inset, inset, -inset, -inset), 2.0, 2.0);
        }
    }
}

} // namespace

void drawCandybarPhone(QPainter& painter, const QRectF& body, const QColor& shell)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = body.width();
    const qreal h = body.height();
    drawShell(painter, body, shell, w * 0.22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNearBlack);
    painter.drawRoundedRect(
        QRectF(body.left() + w * 0.35, body.top() + h * 0.05, w * 0.3, h * 0.02), 1.0, 1.0);
    drawScreen(painter, QRectF(body.left() + w * 0.15, body.top() + h * 0.1, w * 0.7, h * 0.3));
    painter.setPen(QPen(shell.darker(200), 0.8));
    painter.setBrush(shell.lighter(150));
    painter.drawEllipse(QRectF(body.left() + w * 0.36, body.top() + h * 0.43, w * 0.28, h * 0.1));
    drawKeypad(painter, QRectF(body.left() + w * 0.12, body.top() + h * 0.56, w * 0.76, h * 0.38),
               shell.lighter(170));
    painter.restore();
}

QRectF sliderPhoneLens(const QRectF& body)
{
    const qreal w = body.width();
    return QRectF(body.left() + w * 0.44, body.bottom() - w * 0.2, w * 0.12, w * 0.12);
}

void drawSliderPhone(QPainter& painter, const QRectF& body, const QColor& shell)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = body.width();
    const qreal h = body.height();
    // The keypad slab, showing below the pushed-up screen slab.
    const QRectF keypadSlab(body.left(), body.top() + h * 0.28, w, h * 0.72);
    drawShell(painter, keypadSlab, shell.darker(130), w * 0.16);
    drawKeypad(painter, QRectF(body.left() + w * 0.1, body.top() + h * 0.64, w * 0.8, h * 0.24),
               QColor(200, 204, 210));
    painter.setPen(QPen(QColor(60, 62, 66), 1.0));
    painter.setBrush(QColor(44, 46, 52));
    painter.drawEllipse(sliderPhoneLens(body).adjusted(-w * 0.03, -w * 0.03, w * 0.03, w * 0.03));

    const QRectF screenSlab(body.left(), body.top(), w, h * 0.6);
    drawShell(painter, screenSlab, shell, w * 0.16);
    drawScreen(painter, QRectF(body.left() + w * 0.1, body.top() + h * 0.08, w * 0.8, h * 0.36));
    painter.setPen(QPen(shell.darker(200), 0.8));
    painter.setBrush(shell.lighter(140));
    painter.drawRoundedRect(QRectF(body.left() + w * 0.3, body.top() + h * 0.47, w * 0.4, h * 0.08),
                            3.0, 3.0);
    painter.restore();
}

} // namespace artwork
