// The display as a form editor sees it: its stored set as one text, and setters that
// warn instead of raising errors.
#include "marquee/display.h"
#include "platform/formfile.h"
#include "platform/runtimeerror.h"
#include "platform/units.h"

#include <QDebug>

namespace marquee {
namespace {

template <typename Step> void warnOnFailure(const QObject& display, const char* what, Step step)
{
    try {
        step();
    } catch (const platform::RuntimeError& error) {
        qWarning().noquote() << QStringLiteral("%1: %2 refused: %3")
                                    .arg(display.objectName(), QLatin1String(what),
                                         error.description());
    }
}

} // namespace

QByteArray Display::StoredSet() const
{
    platform::PropertyBag bag;
    WriteProperties(bag);
    return platform::propertiesToText(bag);
}

// A form sets the geometry first, while the display is still hidden and gets no resize
// events; so the display is sized from it here, as a window sizes one before reading.
void Display::setStoredSet(const QByteArray& text)
{
    warnOnFailure(*this, "stored set", [&] {
        const platform::PropertyBag bag = platform::propertiesFromText(text);
        setWidthTwips(width() * platform::kTwipsPerPixel);
        ReadProperties(bag);
    });
}

void Display::setCharactersOrWarn(const QString& aCharWidth)
{
    warnOnFailure(*this, "Characters", [&] { setCharacters(aCharWidth); });
}

void Display::setColorOrWarn(int aColor)
{
    warnOnFailure(*this, "Color", [&] { setColor(aColor); });
}

void Display::setScrollRateOrWarn(int aInterval)
{
    warnOnFailure(*this, "ScrollRate",
                  [&] { setScrollRate(platform::toInt16(QVariant(aInterval))); });
}

} // namespace marquee
