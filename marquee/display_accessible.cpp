#include "marquee/display_accessible.h"

#include "marquee/display.h"

#include <QAccessibleWidget>

namespace marquee {
namespace {

class DisplayAccessible : public QAccessibleWidget {
public:
    explicit DisplayAccessible(Display* display)
        : QAccessibleWidget(display, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<Display*>(widget())->Caption();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* displayInterface(const QString&, QObject* object)
{
    auto* display = qobject_cast<Display*>(object);
    return display ? new DisplayAccessible(display) : nullptr;
}

} // namespace

void makeAccessible(Display& display)
{
    static const bool installed = (QAccessible::installFactory(displayInterface), true);
    Q_UNUSED(installed);
    QObject::connect(&display, &Display::propertyChanged, &display,
                     [&display](const QString& name) {
                         if (name != QLatin1String("Caption"))
                             return;
                         QAccessibleEvent event(&display, QAccessible::NameChanged);
                         QAccessible::updateAccessibility(&event);
                     });
}

} // namespace marquee
