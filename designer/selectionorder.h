#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QDesignerFormWindowInterface;

namespace vantreldesigner {

// The widgets still selected, first those of the earlier order in that order, then the
// newly selected ones in the order the current selection lists them.
QList<QWidget*> orderedSelection(const QList<QWidget*>& previousOrder,
                                 const QList<QWidget*>& currentSelection);

// The selection of a form window in the order the user made it. The form window lists
// its selection in an order of its own, so the order is kept here, from every change.
class SelectionOrder : public QObject {
    Q_OBJECT
public:
    explicit SelectionOrder(QDesignerFormWindowInterface* formWindow);

    // Brought up to date first: the form window reports a change only from its event loop.
    QList<QWidget*> widgets() const;

    // The order kept for the form window, made the first time it is asked for.
    static SelectionOrder& of(QDesignerFormWindowInterface* formWindow);

public slots:
    void update() const;

private:
    QList<QWidget*> kept() const;

    QDesignerFormWindowInterface* m_formWindow;
    mutable QList<QPointer<QWidget>> m_order;
};

} // namespace vantreldesigner
