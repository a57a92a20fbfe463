#include "designer/styleinstallationrecorder.h"

#include "button/ctlbutton.h"
#include "designer/storedsetproperty.h"
#include "platform/propertypagehost.h"

#include <QCoreApplication>
#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>
#include <utility>

namespace vantreldesigner {

StyleInstallationRecorder::StyleInstallationRecorder(QDesignerFormWindowInterface& formWindow,
                                                     const platform::PropertyPageHost& host)
    : m_formWindow(formWindow)
    , m_host(host)
{
}

void StyleInstallationRecorder::begin()
{
    m_before.clear();
    for (int index = 0; index < m_host.selectedControlCount(); ++index) {
        if (auto* button = qobject_cast<ctlButton*>(m_host.selectedControl(index)))
            m_before.append({button, button->StoredSet()});
    }
}

void StyleInstallationRecorder::end()
{
    const QList<Before> before = std::exchange(m_before, {});
    bool commandOpen = false;
    for (const Before& entry : before) {
        if (!entry.button)
            continue;
        const QByteArray after = entry.button->StoredSet();
        if (after == entry.storedSet)
            continue;
        if (!commandOpen) {
            m_formWindow.beginCommand(
                QCoreApplication::translate("StyleInstallationRecorder", "Select Button Style"));
            commandOpen = true;
        }
        // Designer's property command takes the value it undoes to from the button, so
        // the button goes back to its previous set for a moment and the command installs
        // the new one.
        entry.button->setStoredSet(entry.storedSet);
        m_formWindow.cursor()->setWidgetProperty(entry.button, kStoredSetProperty, after);
    }
    if (commandOpen)
        m_formWindow.endCommand();
}

} // namespace vantreldesigner
