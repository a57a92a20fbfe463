// The button's public properties: where each lives and what setting it does, in order.
#include "button/captionlabel.h"
#include "button/ctlbutton.h"
#include "platform/eventpump.h"
#include "platform/messagebox.h"
#include "platform/runtimeerror.h"
#include "platform/units.h"

namespace {

constexpr int kLargestPictureSide = 128; // pixels

// At least one twip each way and at most 128 × 128 pixels; a size too large to convert
// is no better.
bool isUsableButtonPicture(const platform::Picture& picture)
{
    try {
        const std::int32_t width = platform::twipsFromHimetric(picture.himetricWidth());
        const std::int32_t height = platform::twipsFromHimetric(picture.himetricHeight());
        const auto fits = [](std::int32_t twips) {
            return twips >= 1 && double(twips) / platform::kTwipsPerPixel <= kLargestPictureSide;
        };
        return fits(width) && fits(height);
    } catch (const platform::RuntimeError&) {
        return false;
    }
}

} // namespace

platform::ColourValue ctlButton::BackColor() const
{
    return demo_caption->backColour();
}

void ctlButton::setBackColor(platform::ColourValue oleVal)
{
    demo_caption->setBackColour(oleVal);
    reportChanged(QStringLiteral("Backcolor"));
    // The background colour is part of the state pictures, so they are rebuilt on it.
    handleResize();
    Draw(false, 0);
}

platform::PicturePtr ctlButton::ButtonPicture()
{
    if (m.ButtonPicture->isEmpty())
        m.HasPicture = false;
    return m.ButtonPicture;
}

void ctlButton::setButtonPicture(const platform::PicturePtr& Pic1)
{
    if (!Pic1)
        throw platform::RuntimeError(platform::kErrObjectNotSet);
    if (!isUsableButtonPicture(*Pic1)) {
        platform::showMessage(
            {QStringLiteral("Error"),
             QStringLiteral("Invalid Picture or Invalid Picture Size! Supports only Maximum "
                            "128x128 Pictures!"),
             platform::MessageIcon::Critical});
        return;
    }
    m.HasPicture = true;
    m.ButtonPicture = Pic1;
    reportChanged(QStringLiteral("BtnPicture"));
    Draw(false, 0);
}

QString ctlButton::Caption() const
{
    return demo_caption->text();
}

void ctlButton::setCaption(const QString& strVal)
{
    demo_caption->setText(strVal);
    platform::pumpEvents();
    reportChanged(QStringLiteral("Caption"));
    Draw(false, 0);
}

bool ctlButton::Enabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

void ctlButton::setEnabled(bool enabled)
{
    QWidget::setEnabled(enabled);
    Draw(false, 0);
    reportChanged(QStringLiteral("Enabled"));
}

QFont ctlButton::Font() const
{
    return demo_caption->font();
}

void ctlButton::setFont(const QFont& font)
{
    demo_caption->setFont(font);
    reportChanged(QStringLiteral("Font"));
    Draw(false, 0);
}

platform::ColourValue ctlButton::ForeColor() const
{
    return demo_caption->foreColour();
}

void ctlButton::setForeColor(platform::ColourValue oleVal)
{
    demo_caption->setForeColour(oleVal);
    reportChanged(QStringLiteral("Forecolor"));
    Draw(false, 0);
}

void ctlButton::setToolbarMode(bool toolbarMode)
{
    m.ToolbarMode = toolbarMode;
    Draw(false, 0);
    reportChanged(QStringLiteral("ToolbarMode"));
}
