#include "resources/background.h"

#include "resources/artworkfont.h"
#include "resources/buttonskins.h"
#include "resources/canvas.h"
#include "resources/handsetdrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

constexpr int kWidth = kBackgroundWidth;

const QColor kYellowText(255, 214, 40);
const QColor kPaleText(200, 200, 204);
const QColor kBlueTitle(24, 72, 160);

QFont sans(int pixels, bool bold = false)
{
    return artworkFont(QString::fromLatin1(kSans), pixels, bold);
}

// The strips from top to bottom.
constexpr BackgroundStrip kTitleStrip{"title", 0, 32};
constexpr BackgroundStrip kCreditStrip{"credits", 32, 52};
constexpr BackgroundStrip kLogoPanelStrip{"logo panel", 52, 144};
constexpr BackgroundStrip kTabStrip{"tabs", 144, 180};
constexpr BackgroundStrip kInputBarStrip{"input bar", 180, 212};
constexpr BackgroundStrip kTitlePanelStrip{"title panel", 212, 373};
constexpr BackgroundStrip kButtonBarStrip{"button bar", 373, 422};
constexpr BackgroundStrip kBannerStrip{"forum banner", 422, 500};
constexpr BackgroundStrip kMarqueeBarStrip{"marquee bar", 500, 544};
constexpr BackgroundStrip kBottomStrip{"bottom", 544, kBackgroundHeight};

QRect stripRect(const BackgroundStrip& strip)
{
    return QRect(0, strip.top, kWidth, strip.bottom - strip.top);
}

void fillVertical(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    painter.fillRect(rect, gradient);
}

// A sunken well: darker top-left edge, lighter bottom-right edge.
void drawWell(QPainter& painter, const QRect& rect, const QColor& face)
{
    painter.fillRect(rect, face);
    painter.setPen(face.darker(180));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(face.lighter(160));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void drawRaisedBox(QPainter& painter, const QRectF& rect, const QColor& face, qreal radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, face.lighter(150));
    gradient.setColorAt(0.5, face);
    gradient.setColorAt(1.0, face.darker(150));
    painter.setPen(QPen(face.darker(200), 1.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

// A painted window button; leaves the pen set for its glyph.
void drawWindowButton(QPainter& painter, const QRect& rect, const QColor& face)
{
    drawRaisedBox(painter, rect, face, 3.0);
    painter.setPen(QPen(QColor(235, 235, 235), 2.0));
}

void drawTitleStrip(QPainter& painter)
{
    const QRect r = stripRect(kTitleStrip);
    fillVertical(painter, r, QColor(74, 74, 78), QColor(34, 34, 38));
    painter.setPen(QColor(20, 20, 22));
    painter.drawLine(r.bottomLeft(), r.bottomRight());

    // The chat program's own small badge and title.
    drawRaisedBox(painter, QRectF(10, 8, 16, 16), QColor(60, 130, 200), 4.0);
    painter.setPen(kPaleText);
    painter.setFont(sans(12, true));
    painter.drawText(QRect(32, 0, 300, r.height()), Qt::AlignVCenter,
                     QStringLiteral("Vantrel Chat \u2013 Conversation"));

    using namespace painted;
    drawWindowButton(painter, kMinimiseGlyph, QColor(96, 96, 102));
    painter.drawLine(kMinimiseGlyph.left() + 8, kMinimiseGlyph.bottom() - 4,
                     kMinimiseGlyph.right() - 8, kMinimiseGlyph.bottom() - 4);
    drawWindowButton(painter, kMaximiseGlyph, QColor(96, 96, 102));
    painter.setPen(QPen(QColor(235, 235, 235), 1.5));
    painter.drawRect(kMaximiseGlyph.adjusted(8, 4, -8, -5));
    // The close button's own skin lies exactly over this glyph, so both are one face.
    painter.drawImage(kCloseGlyph.topLeft(), drawSkinSetC().normal);
    painter.setPen(QPen(QColor(235, 235, 235), 2.0));
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF cross = QRectF(kCloseGlyph).adjusted(8.5, 4.5, -8.5, -4.5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.bottomLeft(), cross.topRight());
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void drawCreditStrip(QPainter& painter)
{
    const QRect r = stripRect(kCreditStrip);
    painter.fillRect(r, QColor(26, 26, 28));
    painter.setPen(kYellowText);
    painter.setFont(sans(11, true));
    painter.drawText(
        r.adjusted(12, 0, -12, 0), Qt::AlignVCenter,
        QStringLiteral("Keypad IC Finder 1.0 \u2022 drawn for handset repair benches"));
}

void drawLogo(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF badge = QRectF(area).adjusted(8, 2, -8, -2);
    QLinearGradient gradient(badge.topLeft(), badge.bottomRight());
    gradient.setColorAt(0.0, QColor(90, 200, 240));
    gradient.setColorAt(1.0, QColor(20, 90, 170));
    painter.setPen(QPen(QColor(200, 230, 255), 2.0));
    painter.setBrush(gradient);
    painter.drawRoundedRect(badge, 14, 14);

    // A speech bubble holding a "V".
    QPainterPath bubble;
    const QRectF body = badge.adjusted(10, 10, -10, -18);
    bubble.addRoundedRect(body, 10, 10);
    QPolygonF tail;
    tail << QPointF(body.left() + 14, body.bottom() - 1)
         << QPointF(body.left() + 10, body.bottom() + 10)
         << QPointF(body.left() + 26, body.bottom() - 1);
    bubble.addPolygon(tail);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 250));
    painter.drawPath(bubble.simplified());
    painter.setPen(QColor(20, 90, 170));
    painter.setFont(artworkFont(QString::fromLatin1(kRounded), 26, true));
    painter.drawText(body, Qt::AlignCenter, QStringLiteral("V"));
    painter.restore();
}

void drawLogoPanel(QPainter& painter)
{
    const QRect r = stripRect(kLogoPanelStrip);
    fillVertical(painter, r, QColor(48, 48, 52), QColor(30, 30, 33));
    drawLogo(painter, painted::kLogo);
    painter.setPen(QColor(235, 235, 235));
    painter.setFont(artworkFont(QString::fromLatin1(kRounded), 20, true));
    painter.drawText(QPoint(150, r.top() + 40), QStringLiteral("Handset Bench"));
    painter.setPen(QColor(120, 200, 120));
    painter.setFont(sans(11));
    painter.drawText(QPoint(150, r.top() + 60),
                     QStringLiteral("\u25CF Online \u2013 128 models on file"));
    painter.setPen(QColor(150, 150, 156));
    painter.drawText(QPoint(150, r.top() + 78),
                     QStringLiteral("Type a model number to see its keypad IC"));
}

void drawTab(QPainter& painter, const QRect& tab, bool front)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    const QRectF t = QRectF(tab).adjusted(0.5, 0.5, -0.5, 0.5);
    path.moveTo(t.bottomLeft());
    path.lineTo(t.left(), t.top() + 5);
    path.quadTo(t.topLeft(), QPointF(t.left() + 5, t.top()));
    path.lineTo(t.right() - 5, t.top());
    path.quadTo(t.topRight(), QPointF(t.right(), t.top() + 5));
    path.lineTo(t.bottomRight());
    const QColor face = front ? QColor(92, 92, 98) : QColor(64, 64, 70);
    QLinearGradient gradient(t.topLeft(), t.bottomLeft());
    gradient.setColorAt(0.0, face.lighter(140));
    gradient.setColorAt(1.0, face);
    painter.setPen(QPen(QColor(24, 24, 26), 1.0));
    painter.setBrush(gradient);
    painter.drawPath(path);
    painter.restore();
}

void drawTabStrip(QPainter& painter)
{
    const QRect r = stripRect(kTabStrip);
    painter.fillRect(r, QColor(38, 38, 42));
    painter.setPen(QColor(92, 92, 98));
    painter.drawLine(0, r.bottom(), kWidth, r.bottom());
    drawTab(painter, painted::kRightTab, false);
    drawTab(painter, painted::kLeftTab, true);
}

void drawInputBar(QPainter& painter)
{
    const QRect r = stripRect(kInputBarStrip);
    fillVertical(painter, r, QColor(214, 214, 218), QColor(176, 176, 182));
    drawWell(painter, painted::kInputField.adjusted(-1, -1, 1, 1), QColor(244, 244, 246));
    const QRect smiley(384, r.top() + 6, 20, 20);
    const QRect send(409, r.top() + 6, 20, 20);
    drawRaisedBox(painter, smiley, QColor(200, 200, 206), 3.0);
    drawRaisedBox(painter, send, QColor(200, 200, 206), 3.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 66), 1.2));
    painter.setBrush(QColor(250, 210, 60));
    painter.drawEllipse(QRectF(smiley).adjusted(4, 4, -4, -4));
    painter.setBrush(QColor(60, 60, 66));
    painter.drawPolygon(QPolygonF({QPointF(send.left() + 6, send.top() + 5),
                                   QPointF(send.right() - 4, send.center().y() + 0.5),
                                   QPointF(send.left() + 6, send.bottom() - 4)}));
    painter.restore();
}

void drawTitlePanel(QPainter& painter)
{
    const QRect r = stripRect(kTitlePanelStrip);
    painter.fillRect(r, QColor(38, 38, 42));
    const QRect panel = painted::kTitlePanel.adjusted(-2, -2, 2, 2);
    fillVertical(painter, panel, QColor(238, 242, 248), QColor(206, 216, 228));
    painter.setPen(QColor(150, 160, 176));
    painter.drawRect(panel.adjusted(0, 0, -1, -1));

    painter.setPen(kBlueTitle);
    painter.setFont(sans(52, true));
    painter.drawText(QRect(panel.left(), panel.top() + 16, panel.width(), 70), Qt::AlignCenter,
                     QStringLiteral("NOKIA"));
    painter.setPen(QColor(40, 104, 200));
    painter.setFont(sans(30, true));
    painter.drawText(QRect(panel.left(), panel.top() + 88, panel.width(), 44), Qt::AlignCenter,
                     QStringLiteral("Keypad IC Finder"));
}

void drawToolIcon(QPainter& painter, const QRect& box, const QString& glyph)
{
    drawRaisedBox(painter, box, QColor(70, 70, 76), 4.0);
    painter.setPen(QColor(220, 220, 224));
    painter.setFont(sans(13, true));
    painter.drawText(box, Qt::AlignCenter, glyph);
}

void drawButtonBar(QPainter& painter)
{
    const QRect r = stripRect(kButtonBarStrip);
    fillVertical(painter, r, QColor(44, 44, 48), QColor(28, 28, 31));
    drawToolIcon(painter, QRect(16, 383, 26, 26), QStringLiteral("A"));
    drawToolIcon(painter, QRect(48, 383, 26, 26), QStringLiteral("\u263A"));
    drawToolIcon(painter, QRect(80, 383, 26, 26), QStringLiteral("\u266A"));

    drawWell(painter, painted::kSendField, QColor(58, 58, 64));
    drawWell(painter, painted::kDropDown, QColor(58, 58, 64));
    const QRect arrowBox(painted::kDropDown.right() - 18, painted::kDropDown.top() + 2, 17,
                         painted::kDropDown.height() - 4);
    drawRaisedBox(painter, arrowBox, QColor(86, 86, 92), 2.0);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 220, 224));
    const QPointF c = QRectF(arrowBox).center();
    painter.drawPolygon(QPolygonF(
        {QPointF(c.x() - 4, c.y() - 2), QPointF(c.x() + 4, c.y() - 2), QPointF(c.x(), c.y() + 3)}));
    painter.restore();
}

void drawForumBanner(QPainter& painter)
{
    const QRect r = stripRect(kBannerStrip);
    painter.fillRect(r, QColor(28, 28, 31));
    const QRect banner = painted::kForumBanner;
    QLinearGradient gradient(banner.topLeft(), banner.topRight());
    gradient.setColorAt(0.0, QColor(14, 44, 96));
    gradient.setColorAt(0.5, QColor(24, 96, 150));
    gradient.setColorAt(1.0, QColor(14, 44, 96));
    painter.fillRect(banner, gradient);
    painter.setPen(QColor(120, 170, 220));
    painter.drawRect(banner.adjusted(0, 0, -1, -1));

    drawCandybarPhone(painter,
                      QRectF(banner.left() + 14, banner.top() + 4, 24, banner.height() - 8),
                      QColor(150, 156, 168));
    drawSliderPhone(painter, QRectF(banner.right() - 38, banner.top() + 4, 24, banner.height() - 8),
                    QColor(170, 40, 40));

    painter.setPen(QColor(255, 255, 255));
    painter.setFont(artworkFont(QString::fromLatin1(kRounded), 22, true));
    painter.drawText(QRect(banner.left(), banner.top() + 4, banner.width(), 30), Qt::AlignCenter,
                     QStringLiteral("GSM & CDMA Forum"));
    painter.setPen(QColor(255, 214, 40));
    painter.setFont(sans(11, true));
    painter.drawText(QRect(banner.left(), banner.top() + 34, banner.width(), 20), Qt::AlignCenter,
                     QStringLiteral("Repair tips, schematics and help"));
}

void drawMarqueeBar(QPainter& painter)
{
    const QRect r = stripRect(kMarqueeBarStrip);
    fillVertical(painter, r, QColor(36, 36, 40), QColor(24, 24, 27));
    drawWell(painter, painted::kMarqueeWell.adjusted(-2, -2, 2, 2), QColor(14, 14, 16));
}

void drawBottomStrip(QPainter& painter)
{
    const QRect r = stripRect(kBottomStrip);
    fillVertical(painter, r, QColor(52, 52, 56), QColor(34, 34, 37));
    painter.setPen(QColor(74, 74, 80));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.setPen(QColor(150, 150, 156));
    painter.setFont(sans(10));
    painter.drawText(r.adjusted(12, 0, 0, -1), Qt::AlignVCenter, QStringLiteral("Ready"));
    // A resize grip's dots at the far right.
    painter.setPen(QColor(110, 110, 116));
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j <= i; ++j)
            painter.drawPoint(436 - 4 * j, r.bottom() - 14 + 4 * i);
    }
}

} // namespace

const std::vector<BackgroundStrip>& backgroundStrips()
{
    static const std::vector<BackgroundStrip> strips{
        kTitleStrip,      kCreditStrip,    kLogoPanelStrip, kTabStrip,        kInputBarStrip,
        kTitlePanelStrip, kButtonBarStrip, kBannerStrip,    kMarqueeBarStrip, kBottomStrip};
    return strips;
}

QImage drawBackground(qreal ratio)
{
    QImage image = canvas(QSize(kBackgroundWidth, kBackgroundHeight), QImage::Format_RGB32, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawTitleStrip(painter);
    drawCreditStrip(painter);
    drawLogoPanel(painter);
    drawTabStrip(painter);
    drawInputBar(painter);
    drawTitlePanel(painter);
    drawButtonBar(painter);
    drawForumBanner(painter);
    drawMarqueeBar(painter);
    drawBottomStrip(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace artwork
