#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>

class QDesignerFormWindowInterface;
class ctlButton;

namespace platform {
class PropertyPageHost;
}

namespace vantreldesigner {

// Makes one style installation on the selected buttons one undo step of the form window.
// The page changes the buttons directly; the stored sets from before and after are then
// handed to Qt Designer as property changes in a single command, so its undo restores
// the previous skins and the form counts as modified.
class StyleInstallationRecorder {
public:
    StyleInstallationRecorder(QDesignerFormWindowInterface& formWindow,
                              const platform::PropertyPageHost& host);

    // Before the installation: remembers each selected button's stored set.
    void begin();
    // After it: records the buttons whose stored set changed.
    void end();

private:
    struct Before {
        QPointer<ctlButton> button;
        QByteArray storedSet;
    };

    QDesignerFormWindowInterface& m_formWindow;
    const platform::PropertyPageHost& m_host;
    QList<Before> m_before;
};

} // namespace vantreldesigner
