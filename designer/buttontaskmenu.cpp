#include "designer/buttontaskmenu.h"

#include "button/ctlbutton.h"
#include "designer/formeditorlink.h"
#include "designer/selectionorder.h"
#include "designer/stylepagedialog.h"

#include <QAction>
#include <QDesignerFormWindowInterface>

namespace vantreldesigner {

ButtonTaskMenu::ButtonTaskMenu(ctlButton* button, const FormEditorLink& link, QObject* parent)
    : QObject(parent)
    , m_button(button)
    , m_link(link)
    , m_selectStyle(new QAction(tr("Select Button Style\u2026"), this))
{
    connect(m_selectStyle, &QAction::triggered, this, &ButtonTaskMenu::selectButtonStyle);
}

QAction* ButtonTaskMenu::preferredEditAction() const
{
    return m_selectStyle;
}

QList<QAction*> ButtonTaskMenu::taskActions() const
{
    return {m_selectStyle};
}

void ButtonTaskMenu::selectButtonStyle()
{
    if (!m_button)
        return;
    QDesignerFormWindowInterface* formWindow =
        QDesignerFormWindowInterface::findFormWindow(m_button);
    if (!formWindow)
        return;
    StylePageDialog dialog(*formWindow, SelectionOrder::of(formWindow), formWindow,
                           m_link.pageEnvironment());
    dialog.exec();
}

ButtonTaskMenuFactory::ButtonTaskMenuFactory(const FormEditorLink& link, QExtensionManager* parent)
    : QExtensionFactory(parent)
    , m_link(link)
{
}

QObject* ButtonTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                                QObject* parent) const
{
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension))
        return nullptr;
    if (auto* button = qobject_cast<ctlButton*>(object))
        return new ButtonTaskMenu(button, m_link, parent);
    return nullptr;
}

} // namespace vantreldesigner
