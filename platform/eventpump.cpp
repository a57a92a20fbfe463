#include "platform/eventpump.h"

#include <QCoreApplication>

namespace platform {
namespace {

EventPass& currentPass()
{
    static EventPass pass;
    return pass;
}

} // namespace

void pumpEvents()
{
    if (const EventPass& pass = currentPass())
        pass();
    else if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

EventPass setEventPass(EventPass pass)
{
    EventPass previous = std::move(currentPass());
    currentPass() = std::move(pass);
    return previous;
}

} // namespace platform
