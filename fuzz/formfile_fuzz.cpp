// Feeds arbitrary bytes to the form reader as a form file and restores every button and
// marquee it describes as the main window does: placed at its stored size, then its
// stored set read. What was restored is written back, as a designer saves a form.

#include "button/ctlbutton.h"
#include "marquee/display.h"
#include "platform/eventpump.h"
#include "platform/formfile.h"
#include "platform/messagebox.h"
#include "platform/runtimeerror.h"
#include "platform/twipsplacement.h"
#include "platform/units.h"

#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

platform::StoredControl restoredButton(const platform::StoredControl& stored)
{
    ctlButton button;
    button.setObjectName(stored.name);
    platform::place(button, {stored.left, stored.top, stored.width, stored.height});
    button.ReadProperties(stored.properties);
    platform::StoredControl saved = stored;
    saved.properties = {};
    button.WriteProperties(saved.properties);
    return saved;
}

platform::StoredControl restoredDisplay(const platform::StoredControl& stored)
{
    marquee::Display display;
    display.setObjectName(stored.name);
    display.setWidthTwips(stored.width);
    display.ReadProperties(stored.properties);
    platform::StoredControl saved = stored;
    saved.properties = {};
    display.WriteProperties(saved.properties);
    return saved;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    platform::setMessageSink([](const platform::Message&) {});
    platform::setEventPass([] {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    platform::StoredForm form;
    try {
        form = platform::formFromText(
            QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const platform::RuntimeError&) {
        return 0;
    }
    platform::StoredForm saved{form.name, {}};
    for (const platform::StoredControl& stored : form.controls) {
        if (stored.className == QLatin1String("ctlButton"))
            saved.controls.push_back(restoredButton(stored));
        else if (stored.className == QLatin1String("Display"))
            saved.controls.push_back(restoredDisplay(stored));
    }
    platform::formFromText(platform::formToText(saved));
    return 0;
}
