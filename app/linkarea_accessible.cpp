#include "app/linkarea_accessible.h"

#include "app/linkarea.h"

#include <QAccessibleWidget>

namespace app {
namespace {

class LinkAreaAccessible : public QAccessibleWidget {
public:
    explicit LinkAreaAccessible(LinkArea* area)
        : QAccessibleWidget(area, QAccessible::Link)
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction() && widget()->isEnabled())
            emit static_cast<LinkArea*>(widget())->Click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* linkAreaInterface(const QString&, QObject* object)
{
    auto* area = qobject_cast<LinkArea*>(object);
    return area ? new LinkAreaAccessible(area) : nullptr;
}

} // namespace

void installLinkAreaAccessibility()
{
    static const bool installed = (QAccessible::installFactory(linkAreaInterface), true);
    Q_UNUSED(installed);
}

} // namespace app
