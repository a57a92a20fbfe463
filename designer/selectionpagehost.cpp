#include "designer/selectionpagehost.h"

#include "button/ctlbutton.h"
#include "designer/selectionorder.h"

namespace vantreldesigner {

SelectionPageHost::SelectionPageHost(const SelectionOrder& selection, QWidget* captionOwner)
    : m_selection(selection)
    , m_captionOwner(captionOwner)
{
}

QList<QObject*> SelectionPageHost::selectedButtons() const
{
    QList<QObject*> buttons;
    for (QWidget* widget : m_selection.widgets()) {
        if (auto* button = qobject_cast<ctlButton*>(widget))
            buttons.append(button);
    }
    return buttons;
}

int SelectionPageHost::selectedControlCount() const
{
    return int(selectedButtons().size());
}

QObject* SelectionPageHost::selectedControl(int index) const
{
    const QList<QObject*> buttons = selectedButtons();
    return index >= 0 && index < buttons.size() ? buttons.at(index) : nullptr;
}

void SelectionPageHost::setPageCaption(const QString& caption)
{
    if (m_captionOwner)
        m_captionOwner->setWindowTitle(caption);
}

} // namespace vantreldesigner
