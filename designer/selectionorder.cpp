#include "designer/selectionorder.h"

#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>

namespace vantreldesigner {

QList<QWidget*> orderedSelection(const QList<QWidget*>& previousOrder,
                                 const QList<QWidget*>& currentSelection)
{
    QList<QWidget*> ordered;
    for (QWidget* widget : previousOrder) {
        if (currentSelection.contains(widget))
            ordered.append(widget);
    }
    for (QWidget* widget : currentSelection) {
        if (!ordered.contains(widget))
            ordered.append(widget);
    }
    return ordered;
}

SelectionOrder::SelectionOrder(QDesignerFormWindowInterface* formWindow)
    : QObject(formWindow)
    , m_formWindow(formWindow)
{
    connect(formWindow, &QDesignerFormWindowInterface::selectionChanged, this,
            &SelectionOrder::update);
    update();
}

SelectionOrder& SelectionOrder::of(QDesignerFormWindowInterface* formWindow)
{
    if (auto* existing =
            formWindow->findChild<SelectionOrder*>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new SelectionOrder(formWindow);
}

QList<QWidget*> SelectionOrder::widgets() const
{
    update();
    return kept();
}

QList<QWidget*> SelectionOrder::kept() const
{
    QList<QWidget*> widgets;
    for (const QPointer<QWidget>& widget : m_order) {
        if (widget)
            widgets.append(widget);
    }
    return widgets;
}

void SelectionOrder::update() const
{
    QList<QWidget*> current;
    QDesignerFormWindowCursorInterface* cursor = m_formWindow->cursor();
    for (int index = 0; index < cursor->selectedWidgetCount(); ++index)
        current.append(cursor->selectedWidget(index));
    const QList<QWidget*> ordered = orderedSelection(kept(), current);
    m_order.clear();
    for (QWidget* widget : ordered)
        m_order.append(widget);
}

} // namespace vantreldesigner
