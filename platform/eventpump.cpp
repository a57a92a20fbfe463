#include "platform/eventpump.h"

#include <QCoreApplication>

namespace platform {
namespace {

EventPass& currentPass()
{
    static EventPass pass;
    return pass;
}

int& holdDepth()
{
    static int depth = 0;
    return depth;
}

} // namespace

UserInputHold::UserInputHold()
{
    ++holdDepth();
}
UserInputHold::~UserInputHold()
{
    --holdDepth();
}

bool userInputHeld()
{
    return holdDepth() > 0;
}

void pumpEvents()
{
    if (const EventPass& pass = currentPass())
        pass();
    else if (QCoreApplication::instance())
        QCoreApplication::processEvents(userInputHeld() ? QEventLoop::ExcludeUserInputEvents
                                                        : QEventLoop::AllEvents);
}

EventPass setEventPass(EventPass pass)
{
    EventPass previous = std::move(currentPass());
    currentPass() = std::move(pass);
    return previous;
}

} // namespace platform
