#include "resources/icpicture.h"

#include "resources/artworkfont.h"
#include "resources/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace artwork {
namespace {

const QColor kGround(200, 228, 220);
const QColor kFrame(120, 150, 142);
const QColor kInk(28, 38, 44);

constexpr int kFrameWidth = 4;
constexpr int kTextLeft = 14;
const QRect kHeadingRect(0, 6, kIcPictureWidth, 32);
constexpr int kCompatibleBaseline = 54;
const QRect kMemberArea(kTextLeft, 60, kIcPictureWidth - 2 * kTextLeft, 88);

constexpr int kLargestListType = 14;
constexpr int kSmallestListType = 7;

const QString kCompatibleLine = QStringLiteral("Also Compatible with the following models");

// Each model with the "/" that follows it; the last one stands alone.
QStringList memberTokens(const app::IcGroup& group)
{
    QStringList tokens;
    for (std::size_t i = 0; i < group.members.size(); ++i) {
        QString token = QString::fromUtf8(group.members[i]);
        if (i + 1 < group.members.size())
            token += QLatin1Char('/');
        tokens << token;
    }
    return tokens;
}

QStringList wrapTokens(const QStringList& tokens, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString& token : tokens) {
        if (!line.isEmpty() && metrics.horizontalAdvance(line + token) > width) {
            lines << line;
            line.clear();
        }
        line += token;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

MemberListLayout layoutAt(const QStringList& tokens, int pixelSize)
{
    MemberListLayout layout;
    layout.font = artworkFont(QString::fromLatin1(kSans), pixelSize);
    const QFontMetrics metrics(layout.font);
    layout.lines = wrapTokens(tokens, metrics, kMemberArea.width());
    layout.lineHeight = metrics.lineSpacing();
    layout.area = kMemberArea;
    return layout;
}

bool fits(const MemberListLayout& layout)
{
    return layout.area.contains(layout.usedRect());
}

void drawGroundAndFrame(QPainter& painter)
{
    painter.fillRect(0, 0, kIcPictureWidth, kIcPictureHeight, kGround);
    // A soft frame: bands that fade from the frame colour into the ground.
    for (int band = 0; band < kFrameWidth; ++band) {
        const auto blend = [band](int frame, int ground) {
            return frame + (ground - frame) * band / kFrameWidth;
        };
        const QColor colour(blend(kFrame.red(), kGround.red()),
                            blend(kFrame.green(), kGround.green()),
                            blend(kFrame.blue(), kGround.blue()));
        painter.setPen(colour);
        painter.drawRect(band, band, kIcPictureWidth - 1 - 2 * band,
                         kIcPictureHeight - 1 - 2 * band);
    }
}

} // namespace

QRect MemberListLayout::usedRect() const
{
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QRect(area.topLeft(), QSize(width, lineHeight * static_cast<int>(lines.size())));
}

MemberListLayout layoutMemberList(const app::IcGroup& group)
{
    const QStringList tokens = memberTokens(group);
    MemberListLayout layout = layoutAt(tokens, kLargestListType);
    for (int size = kLargestListType - 1; !fits(layout) && size >= kSmallestListType; --size)
        layout = layoutAt(tokens, size);
    return layout;
}

QImage drawIcPicture(const app::IcGroup& group, qreal ratio)
{
    QImage image = canvas(QSize(kIcPictureWidth, kIcPictureHeight), QImage::Format_RGB32, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawGroundAndFrame(painter);

    painter.setPen(kInk);
    painter.setFont(artworkFont(QString::fromLatin1(kSans), 24, true));
    painter.drawText(kHeadingRect, Qt::AlignHCenter | Qt::AlignVCenter,
                     QString::fromUtf8(group.marking));

    painter.setFont(artworkFont(QString::fromLatin1(kSans), 12, true));
    painter.drawText(kTextLeft, kCompatibleBaseline, kCompatibleLine);

    const MemberListLayout layout = layoutMemberList(group);
    painter.setFont(layout.font);
    const int ascent = QFontMetrics(layout.font).ascent();
    for (qsizetype i = 0; i < layout.lines.size(); ++i) {
        painter.drawText(layout.area.left(),
                         layout.area.top() + ascent + layout.lineHeight * static_cast<int>(i),
                         layout.lines[i]);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

} // namespace artwork
