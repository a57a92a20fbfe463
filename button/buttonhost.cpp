#include "button/buttonhost.h"

#include "button/ctlbutton.h"

#include <QApplication>

QFont StandaloneButtonHost::ambientFont(const ctlButton& /*button*/) const
{
    return QApplication::font();
}

QString StandaloneButtonHost::displayName(const ctlButton& button) const
{
    return button.objectName().isEmpty() ? QStringLiteral("ctlButton") : button.objectName();
}

void StandaloneButtonHost::propertyChanged(ctlButton& /*button*/, const QString& /*propertyName*/)
{
}

StandaloneButtonHost& StandaloneButtonHost::instance()
{
    static StandaloneButtonHost host;
    return host;
}
