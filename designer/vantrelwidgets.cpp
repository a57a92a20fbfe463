#include "designer/vantrelwidgets.h"

#include "designer/widgetinterfaces.h"

namespace vantreldesigner {

VantrelWidgets::VantrelWidgets(QObject* parent)
    : QObject(parent)
    , m_widgets{new ButtonWidgetInterface(this), new DisplayWidgetInterface(this)}
{
}

QList<QDesignerCustomWidgetInterface*> VantrelWidgets::customWidgets() const
{
    return m_widgets;
}

} // namespace vantreldesigner
