#pragma once

#include <QDesignerTaskMenuExtension>
#include <QExtensionFactory>
#include <QPointer>

class QAction;
class ctlButton;

namespace vantreldesigner {

class FormEditorLink;

// The task menu of a button on a form: "Select Button Style…", also its edit action for
// a double-click, opens the button's property page for the selected buttons.
class ButtonTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)
public:
    ButtonTaskMenu(ctlButton* button, const FormEditorLink& link, QObject* parent);

    QAction* preferredEditAction() const override;
    QList<QAction*> taskActions() const override;

private:
    void selectButtonStyle();

    QPointer<ctlButton> m_button;
    const FormEditorLink& m_link;
    QAction* m_selectStyle;
};

class ButtonTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT
public:
    ButtonTaskMenuFactory(const FormEditorLink& link, QExtensionManager* parent);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;

private:
    const FormEditorLink& m_link;
};

} // namespace vantreldesigner
