#include "button/captionlabel.h"

#include "platform/units.h"

#include <QFontMetrics>
#include <QImage>

CaptionLabel::CaptionLabel(QWidget* parent)
    : QLabel(QStringLiteral("Button"), parent)
{
    setObjectName(QStringLiteral("demo_caption"));
    setFont(designFont());
    setGeometry(0, 0, 480 / platform::kTwipsPerPixel, 195 / platform::kTwipsPerPixel);
    hide();
}

int CaptionLabel::widthTwips() const
{
    return extentTwips(text()).width();
}

int CaptionLabel::heightTwips() const
{
    return extentTwips(text()).height();
}

QSize CaptionLabel::extentTwips(const QString& text) const
{
    // Measured as the face prints it: on an image, whose pixels are the fixed 15 twips,
    // whatever the screen's own resolution.
    static const QImage device(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(font(), &device);
    return QSize(metrics.horizontalAdvance(text), metrics.height()) * platform::kTwipsPerPixel;
}

QFont CaptionLabel::designFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}
