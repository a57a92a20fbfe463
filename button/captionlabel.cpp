#include "button/captionlabel.h"

#include "platform/units.h"

#include <QFontMetrics>

CaptionLabel::CaptionLabel(QWidget* parent)
    : QLabel(QStringLiteral("Button"), parent)
{
    setObjectName(QStringLiteral("demo_caption"));
    setFont(designFont());
    setGeometry(0, 0, 480 / platform::kTwipsPerPixel, 195 / platform::kTwipsPerPixel);
    hide();
}

int CaptionLabel::widthTwips() const { return extentTwips(text()).width(); }

int CaptionLabel::heightTwips() const { return extentTwips(text()).height(); }

QSize CaptionLabel::extentTwips(const QString& text) const
{
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.horizontalAdvance(text), metrics.height()) * platform::kTwipsPerPixel;
}

QFont CaptionLabel::designFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}
