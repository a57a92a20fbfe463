#include "resources/aboutcard.h"

#include "resources/artworkfont.h"
#include "resources/canvas.h"
#include "resources/handsetdrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace artwork {
namespace {

const QColor kTitleBlue(20, 70, 170);
const QColor kCreditBlue(18, 36, 96);
const QRectF kPhone(26, 34, 92, 214);

void drawCard(QPainter& painter)
{
    QLinearGradient gradient(0, 0, kAboutCardWidth, kAboutCardHeight);
    gradient.setColorAt(0.0, QColor(236, 238, 240));
    gradient.setColorAt(0.6, QColor(214, 217, 222));
    gradient.setColorAt(1.0, QColor(190, 194, 200));
    painter.fillRect(0, 0, kAboutCardWidth, kAboutCardHeight, gradient);
    // Darker edges, fading inwards.
    for (int band = 0; band < 6; ++band) {
        painter.setPen(QColor(110 + 18 * band, 114 + 18 * band, 122 + 18 * band));
        painter.drawRect(band, band, kAboutCardWidth - 1 - 2 * band,
                         kAboutCardHeight - 1 - 2 * band);
    }
}

void drawBadge(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF badge(336, 16, 46, 46);
    QRadialGradient gradient(badge.center() - QPointF(8, 8), 40);
    gradient.setColorAt(0.0, QColor(120, 210, 160));
    gradient.setColorAt(1.0, QColor(20, 120, 80));
    painter.setPen(QPen(QColor(10, 80, 50), 1.5));
    painter.setBrush(gradient);
    painter.drawRoundedRect(badge, 8, 8);
    painter.setPen(QColor(250, 250, 250));
    painter.setFont(artworkFont(QString::fromLatin1(kRounded), 26, true));
    painter.drawText(badge, Qt::AlignCenter, QStringLiteral("V"));
    painter.restore();
}

// A few exactly black pixels in the camera lens.
void markLens(QPainter& painter)
{
    const QPoint centre = sliderPhoneLens(kPhone).center().toPoint();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(centre, QSize(2, 2)), QColor(0, 0, 0));
}

void drawTexts(QPainter& painter)
{
    const int left = 140;
    painter.setPen(kTitleBlue);
    painter.setFont(artworkFont(QString::fromLatin1(kSans), 40, true));
    painter.drawText(QRect(left, 62, 240, 52), Qt::AlignCenter, QStringLiteral("NOKIA"));
    painter.setFont(artworkFont(QString::fromLatin1(kSans), 16, true));
    painter.drawText(QRect(left, 114, 240, 24), Qt::AlignCenter,
                     QStringLiteral("Keypad IC Finder 1.0"));

    painter.setPen(kCreditBlue);
    painter.setFont(artworkFont(QString::fromLatin1(kSans), 11));
    const QStringList credits{
        QStringLiteral("Written by the Vantrel team"),
        QStringLiteral("Built with Qt 6 on Debian 12"),
        QStringLiteral("Model data: the team\u2019s notes"),
        QStringLiteral("Thanks to the Qt developers and Debian"),
    };
    int baseline = 166;
    for (const QString& line : credits) {
        painter.drawText(left, baseline, line);
        baseline += 19;
    }
}

} // namespace

QImage drawAboutCard(qreal ratio)
{
    QImage card = canvas(QSize(kAboutCardWidth, kAboutCardHeight), QImage::Format_RGB32, ratio);
    QPainter painter(&card);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawCard(painter);
    drawSliderPhone(painter, kPhone, QColor(60, 64, 72));
    drawBadge(painter);
    drawTexts(painter);
    markLens(painter);
    painter.end();
    return card.convertToFormat(QImage::Format_RGB888);
}

} // namespace artwork
