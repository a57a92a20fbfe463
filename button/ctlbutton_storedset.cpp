// Restoring, saving and first-time initialisation of a button's stored property set.
#include "button/buttonhost.h"
#include "button/captionlabel.h"
#include "button/ctlbutton.h"
#include "button/storedvalues.h"
#include "platform/colour.h"
#include "platform/propertybag.h"

#include <exception>

namespace {

const QString kNoSliceNumbers = QStringLiteral("0,0,0,0,0,0,0,0");

// A step of reading that fails, whether in reading or in applying, is skipped.
template <typename Step> void skippingFailure(Step step)
{
    try {
        step();
    } catch (const std::exception&) {
    }
}

// Applies the stored value, converted to the wanted type.
template <typename Convert, typename Apply>
void readStep(const platform::PropertyBag& bag, const QString& name, const QVariant& fallback,
              Convert convert, Apply apply)
{
    skippingFailure([&] { apply(convert(bag.readProperty(name, fallback))); });
}

QVariant int16Value(std::int16_t value)
{
    return QVariant::fromValue<qint16>(value);
}
QVariant int32Value(std::int32_t value)
{
    return QVariant::fromValue<qint32>(value);
}

void writePicture(platform::PropertyBag& bag, const QString& name,
                  const platform::PicturePtr& picture)
{
    // No picture is the default, which is not stored.
    bag.writeProperty(name, picture ? QVariant::fromValue(picture) : QVariant());
}

} // namespace

void ctlButton::InitProperties()
{
    demo_caption->setText(host().displayName(*this));
}

void ctlButton::ReadProperties(const platform::PropertyBag& PropBag)
{
    readStep(PropBag, "Font", host().ambientFont(*this), button::toFont,
             [this](const QFont& font) { demo_caption->setFont(font); });
    readStep(PropBag, "PicState1", {}, button::toPicture,
             [this](const platform::PicturePtr& p) { m.PicState1 = p; });
    readStep(PropBag, "PicState2", {}, button::toPicture,
             [this](const platform::PicturePtr& p) { m.PicState2 = p; });
    readStep(PropBag, "PicState3", {}, button::toPicture,
             [this](const platform::PicturePtr& p) { m.PicState3 = p; });
    // A stored picture is taken as it is; when there is none the member holds an empty one.
    readStep(PropBag, "BtnPicture", {}, button::toPicture, [this](const platform::PicturePtr& p) {
        m.ButtonPicture = p ? p : std::make_shared<platform::Picture>();
    });
    readStep(PropBag, "theme_file_no", int16Value(0), platform::toInt16,
             [this](std::int16_t v) { m.theme_file_no = v; });
    readStep(PropBag, "Enabled", int16Value(0), platform::toBoolean,
             [this](bool v) { QWidget::setEnabled(v); });
    readStep(PropBag, "theme_no", int16Value(0), platform::toInt16,
             [this](std::int16_t v) { m.theme_no = v; });
    readStep(PropBag, "Caption", host().displayName(*this), platform::toText,
             [this](const QString& v) { demo_caption->setText(v); });
    readStep(PropBag, "Forecolor", int32Value(0), platform::toInt32,
             [this](std::int32_t v) { demo_caption->setForeColour(v); });
    readStep(PropBag, "Backcolor", int32Value(platform::kButtonFace), platform::toInt32,
             [this](std::int32_t v) { demo_caption->setBackColour(v); });
    readStep(PropBag, "ToolbarMode", QStringLiteral("0"), platform::toBoolean,
             [this](bool v) { m.ToolbarMode = v; });
    readStep(PropBag, "Skin_Cords", kNoSliceNumbers, platform::toText,
             [this](const QString& v) { m.Skin_Cords = v; });

    skippingFailure([this] {
        if (m.PicState1)
            SetSkin(m.PicState1, m.PicState2, m.PicState3, m.Skin_Cords, m.theme_file_no,
                    m.theme_no, true);
    });
    m.HasPicture = m.ButtonPicture && !m.ButtonPicture->isEmpty();
    m.PropertiesRead = true;
}

void ctlButton::WriteProperties(platform::PropertyBag& PropBag)
{
    // The pictures and Skin_Cords saved are those of the current size, shown or not.
    handlePendingResize(size());
    PropBag.writeProperty("Font", demo_caption->font());
    PropBag.writeProperty("theme_file_no", int16Value(m.theme_file_no), int16Value(0));
    PropBag.writeProperty("theme_no", int16Value(m.theme_no), int16Value(0));
    PropBag.writeProperty("Forecolor", int32Value(demo_caption->foreColour()), int32Value(0));
    PropBag.writeProperty("Backcolor", int32Value(demo_caption->backColour()),
                          int32Value(platform::kButtonFace));
    PropBag.writeProperty("Caption", demo_caption->text(), host().displayName(*this));
    PropBag.writeProperty("Enabled", int32Value(Enabled() ? -1 : 0), QStringLiteral("0"));
    PropBag.writeProperty("ToolbarMode", m.ToolbarMode);
    writePicture(PropBag, "PicState1", m.PicState1);
    writePicture(PropBag, "PicState2", m.PicState2);
    writePicture(PropBag, "PicState3", m.PicState3);
    PropBag.writeProperty("Skin_Cords", m.Skin_Cords, kNoSliceNumbers);
    writePicture(PropBag, "BtnPicture", m.HasPicture ? m.ButtonPicture : nullptr);
    Draw(false, 0);
}
