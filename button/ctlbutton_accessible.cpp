#include "button/ctlbutton_accessible.h"

#include "button/ctlbutton.h"

#include <QAccessibleWidget>

namespace button {
namespace {

class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(ctlButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && button()->accessibleName().isEmpty())
            return button()->Caption();
        return QAccessibleWidget::text(kind);
    }

    // The hidden label that measures the caption is no part of what the user sees.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QStringList actionNames() const override { return {pressAction()}; }

    // A disabled button takes no input, from assistive technology neither.
    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction() && button()->isEnabled())
            emit button()->Click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ctlButton* button() const { return static_cast<ctlButton*>(widget()); }
};

QAccessibleInterface* buttonInterface(const QString&, QObject* object)
{
    auto* button = qobject_cast<ctlButton*>(object);
    return button ? new ButtonAccessible(button) : nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(buttonInterface), true);
    Q_UNUSED(installed);
}

} // namespace button
