#include "app/storedsets.h"

#include "button/ctlbutton.h"
#include "marquee/display.h"
#include "platform/runtimeerror.h"
#include "platform/twipsplacement.h"
#include "platform/units.h"
#include "resources/artwork.h"

namespace app {
namespace {

const platform::StoredControl* storedControl(const platform::StoredForm& storedSets,
                                             const QWidget& control)
{
    for (const platform::StoredControl& stored : storedSets.controls) {
        if (stored.name == control.objectName())
            return &stored;
    }
    return nullptr;
}

} // namespace

platform::StoredForm form1StoredSets()
{
    try {
        return platform::formFromText(artwork::contents(QString::fromLatin1(artwork::kForm1File)));
    } catch (const platform::RuntimeError&) {
        return {};
    }
}

void restoreButton(ctlButton& button, const platform::StoredForm& storedSets)
{
    const platform::StoredControl* stored = storedControl(storedSets, button);
    if (!stored) {
        button.InitProperties();
        return;
    }
    platform::place(button, {stored->left, stored->top, stored->width, stored->height});
    button.ReadProperties(stored->properties);
}

void restoreDisplay(marquee::Display& display, const platform::StoredForm& storedSets)
{
    const platform::StoredControl* stored = storedControl(storedSets, display);
    if (!stored) {
        display.InitProperties();
        return;
    }
    display.move(platform::pixelsFromTwips(stored->left), platform::pixelsFromTwips(stored->top));
    display.setWidthTwips(stored->width);
    display.ReadProperties(stored->properties);
}

} // namespace app
