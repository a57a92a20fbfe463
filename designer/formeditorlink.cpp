#include "designer/formeditorlink.h"

#include "button/ctlbutton.h"
#include "designer/buttontaskmenu.h"
#include "designer/selectionorder.h"
#include "designer/storedsetproperty.h"
#include "marquee/display.h"

#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerFormWindowManagerInterface>
#include <QDesignerTaskMenuExtension>
#include <QExtensionManager>

namespace vantreldesigner {

FormEditorLink& FormEditorLink::of(QDesignerFormEditorInterface* core)
{
    if (auto* existing = core->findChild<FormEditorLink*>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new FormEditorLink(core);
}

FormEditorLink::FormEditorLink(QDesignerFormEditorInterface* core)
    : QObject(core)
    , m_core(*core)
{
    QExtensionManager* extensions = core->extensionManager();
    extensions->registerExtensions(new ButtonTaskMenuFactory(*this, extensions),
                                   Q_TYPEID(QDesignerTaskMenuExtension));
    QDesignerFormWindowManagerInterface* formWindows = core->formWindowManager();
    if (!formWindows)
        return;
    connect(formWindows, &QDesignerFormWindowManagerInterface::formWindowAdded, this,
            &FormEditorLink::watch);
    for (int index = 0; index < formWindows->formWindowCount(); ++index)
        watch(formWindows->formWindow(index));
}

void FormEditorLink::watch(QDesignerFormWindowInterface* formWindow)
{
    SelectionOrder::of(formWindow);
    connect(formWindow, &QDesignerFormWindowInterface::widgetManaged, this,
            &FormEditorLink::manage);
}

// A control placed from the widget box has no stored set yet and takes its first-time
// values; one read from a form has its stored set by now and keeps it. A display shows
// no dots until it has a colour, which its own reading gives it.
void FormEditorLink::manage(QWidget* widget)
{
    if (auto* button = qobject_cast<ctlButton*>(widget)) {
        button->setHost(&m_buttonHost);
        if (!button->PropertiesRead())
            button->InitProperties();
    } else if (auto* display = qobject_cast<marquee::Display*>(widget)) {
        if (display->palette().isNull())
            display->setStoredSet(display->StoredSet());
    } else {
        return;
    }
    keepStoredSetWithForm(m_core, *widget);
}

} // namespace vantreldesigner
