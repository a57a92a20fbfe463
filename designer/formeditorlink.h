#pragma once

#include "designer/designerbuttonhost.h"
#include "themepicker/shtstyles.h"

#include <QObject>

class QDesignerFormEditorInterface;
class QDesignerFormWindowInterface;

namespace vantreldesigner {

// What the two controls need from one Qt Designer: the buttons' host, the task menu of
// the buttons, first-time values for controls placed on a form, their stored sets kept
// with the form, and the order in which the user selects widgets.
class FormEditorLink : public QObject {
    Q_OBJECT
public:
    // The link of that Designer, made the first time it is asked for.
    static FormEditorLink& of(QDesignerFormEditorInterface* core);

    ButtonHost& buttonHost() { return m_buttonHost; }

    // Where the button's property page finds its settings and folders; the default is
    // the user's own.
    const shtStylesEnvironment& pageEnvironment() const { return m_pageEnvironment; }
    void setPageEnvironment(const shtStylesEnvironment& environment)
    {
        m_pageEnvironment = environment;
    }

private:
    explicit FormEditorLink(QDesignerFormEditorInterface* core);

    void watch(QDesignerFormWindowInterface* formWindow);
    void manage(QWidget* widget);

    QDesignerFormEditorInterface& m_core;
    DesignerButtonHost m_buttonHost;
    shtStylesEnvironment m_pageEnvironment;
};

} // namespace vantreldesigner
