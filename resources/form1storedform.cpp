#include "resources/form1storedform.h"

#include "platform/colour.h"
#include "platform/units.h"
#include "resources/buttonskins.h"

#include <QFont>
#include <optional>

namespace artwork {
namespace {

constexpr char kButtonClass[] = "ctlButton";
constexpr char kDisplayClass[] = "Display";

// Place and size in twips, and the size in HIMETRIC as the container records it.
struct Extent {
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;
    std::int32_t himetricWidth;
    std::int32_t himetricHeight;
};

struct CaptionFont {
    const char* family;
    double points;
    QFont::Weight weight;
};

// One button's stored values; an empty optional is a key the set does not hold.
struct ButtonSet {
    const char* name;
    Extent extent;
    const char* caption;
    CaptionFont font;
    platform::ColourValue foreColour;
    bool enabled;
    std::int16_t themeFileNo;
    std::optional<std::int16_t> themeNo;
    const char* skinCords;
    const SkinSet* skin;
};

QFont captionFont(const CaptionFont& font)
{
    QFont stored(QString::fromLatin1(font.family));
    stored.setPointSizeF(font.points);
    stored.setWeight(font.weight);
    return stored;
}

QVariant int16Value(std::int16_t value)
{
    return QVariant::fromValue<qint16>(value);
}

QVariant int32Value(std::int32_t value)
{
    return QVariant::fromValue<qint32>(value);
}

QVariant pictureValue(const QImage& image)
{
    return QVariant::fromValue(platform::makePicture(image));
}

platform::StoredControl placed(const char* className, const char* name, const Extent& extent)
{
    platform::StoredControl control;
    control.className = QString::fromLatin1(className);
    control.name = QString::fromLatin1(name);
    control.left = extent.left;
    control.top = extent.top;
    control.width = extent.width;
    control.height = extent.height;
    control.extentX = extent.himetricWidth;
    control.extentY = extent.himetricHeight;
    return control;
}

// The keys in the order and with the types a button writes them; absent values are
// left out, so the button's reading defaults apply to them.
platform::StoredControl storedButton(const ButtonSet& set)
{
    platform::StoredControl control = placed(kButtonClass, set.name, set.extent);
    platform::PropertyBag& bag = control.properties;
    bag.writeProperty("Font", captionFont(set.font));
    bag.writeProperty("theme_file_no", int16Value(set.themeFileNo));
    if (set.themeNo)
        bag.writeProperty("theme_no", int16Value(*set.themeNo));
    bag.writeProperty("Forecolor", int32Value(set.foreColour));
    bag.writeProperty("Caption", QString::fromLatin1(set.caption));
    if (set.enabled)
        bag.writeProperty("Enabled", int32Value(platform::kTrue));
    bag.writeProperty("ToolbarMode", false);
    bag.writeProperty("PicState1", pictureValue(set.skin->normal));
    bag.writeProperty("PicState2", pictureValue(set.skin->hover));
    bag.writeProperty("PicState3", pictureValue(set.skin->pressed));
    bag.writeProperty("Skin_Cords", QString::fromLatin1(set.skinCords));
    return control;
}

platform::StoredControl storedDisplay()
{
    constexpr Extent kDisplay1{240, 7680, 6240, 330, 11007, 582};
    platform::StoredControl control = placed(kDisplayClass, "Display1", kDisplay1);
    platform::PropertyBag& bag = control.properties;
    bag.writeProperty("Characters", int16Value(26));
    bag.writeProperty("Color", int32Value(platform::rgbValue(255, 255, 0)));
    bag.writeProperty("Caption", QStringLiteral("Display"));
    bag.writeProperty("ScrollRate", int16Value(1));
    bag.writeProperty("Scroll", int16Value(platform::kFalse));
    return control;
}

} // namespace

platform::StoredForm form1StoredForm()
{
    const SkinSet setA = drawSkinSetA();
    const SkinSet setB = drawSkinSetB();
    const SkinSet setC = drawSkinSetC();

    constexpr CaptionFont kTahomaBold{"Tahoma", 9.75, QFont::Bold};
    constexpr CaptionFont kTahoma{"Tahoma", 8.25, QFont::Normal};
    constexpr CaptionFont kBerlinSans{"Berlin Sans FB", 9.75, QFont::Normal};
    const platform::ColourValue green = platform::rgbValue(0, 255, 0);
    const platform::ColourValue paleYellow = platform::rgbValue(255, 255, 128);
    const platform::ColourValue yellow = platform::rgbValue(255, 255, 0);
    const char* const largeCords = "1215,495,75,75,75,75,75,75";
    const char* const titleCords = "1935,375,75,75,75,75,75,75";
    const char* const closeCords = "375,255,15,15,15,15,15,15";

    const ButtonSet buttons[] = {
        {"ctlButton1",
         {5160, 5680, 1215, 495, 2143, 873},
         "Exit",
         kTahomaBold,
         green,
         true,
         21,
         7,
         largeCords,
         &setA},
        {"ctlButton2",
         {3840, 5680, 1215, 495, 2143, 873},
         "About",
         kTahomaBold,
         green,
         true,
         21,
         7,
         largeCords,
         &setA},
        {"ctlButton3",
         {2160, 2280, 1935, 375, 3413, 661},
         "Select Brand",
         kTahoma,
         paleYellow,
         false,
         21,
         5,
         titleCords,
         &setB},
        {"ctlButton4",
         {240, 2280, 1935, 375, 3413, 661},
         "Select Model",
         kTahoma,
         paleYellow,
         true,
         21,
         5,
         titleCords,
         &setB},
        {"ctlButton5",
         {6120, 120, 375, 255, 661, 450},
         "X",
         kBerlinSans,
         yellow,
         true,
         2,
         std::nullopt,
         closeCords,
         &setC},
    };

    platform::StoredForm form;
    form.name = QStringLiteral("Form1");
    for (const ButtonSet& set : buttons)
        form.controls.push_back(storedButton(set));
    form.controls.push_back(storedDisplay());
    return form;
}

} // namespace artwork
