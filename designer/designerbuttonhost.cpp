#include "designer/designerbuttonhost.h"

#include "button/ctlbutton.h"

#include <QDesignerFormWindowInterface>

namespace vantreldesigner {

QFont DesignerButtonHost::ambientFont(const ctlButton& button) const
{
    return StandaloneButtonHost::instance().ambientFont(button);
}

QString DesignerButtonHost::displayName(const ctlButton& button) const
{
    return StandaloneButtonHost::instance().displayName(button);
}

void DesignerButtonHost::propertyChanged(ctlButton& button, const QString& /*propertyName*/)
{
    // A preview's buttons are created with this host too, but belong to no form.
    QDesignerFormWindowInterface* formWindow =
        QDesignerFormWindowInterface::findFormWindow(&button);
    if (!formWindow || !formWindow->isManaged(&button))
        return;
    // The report comes from inside the button's skin work, where reading its properties
    // (as marking one changed does) would wait on the busy guard; the stored set was
    // marked when the button was placed.
    formWindow->setDirty(true);
}

} // namespace vantreldesigner
