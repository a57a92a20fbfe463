// The button as a form editor sees it: its stored set as one text, and its picture as a
// pixmap.
#include "button/ctlbutton.h"
#include "platform/formfile.h"
#include "platform/propertybag.h"
#include "platform/runtimeerror.h"

#include <QDebug>

QByteArray ctlButton::StoredSet()
{
    platform::PropertyBag bag;
    WriteProperties(bag);
    return platform::propertiesToText(bag);
}

void ctlButton::setStoredSet(const QByteArray& text)
{
    platform::PropertyBag bag;
    try {
        bag = platform::propertiesFromText(text);
    } catch (const platform::RuntimeError& error) {
        qWarning().noquote() << QStringLiteral("%1: the stored set is left as it was: %2")
                                    .arg(objectName(), error.description());
        return;
    }
    ReadProperties(bag);
    // Reading draws only when it installs a skin; a set without one shows the bevel.
    Draw(false, 0);
}

QPixmap ctlButton::buttonPicturePixmap()
{
    return QPixmap::fromImage(ButtonPicture()->image());
}

void ctlButton::setButtonPicturePixmap(const QPixmap& pixmap)
{
    setButtonPicture(platform::makePicture(pixmap.toImage()));
}

void ctlButton::setBackColorOrWarn(platform::ColourValue oleVal)
{
    try {
        setBackColor(oleVal);
    } catch (const platform::RuntimeError& error) {
        qWarning().noquote() << QStringLiteral("%1: the pictures were not rebuilt on the new "
                                               "background: %2")
                                    .arg(objectName(), error.description());
    }
}
