#include "platform/tickcounter.h"

#include <QElapsedTimer>

namespace platform {
namespace {

TickSource& currentSource()
{
    static TickSource source;
    return source;
}

std::uint32_t monotonicTicks()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<std::uint32_t>(clock.elapsed());
}

} // namespace

std::uint32_t tickCount()
{
    const TickSource& source = currentSource();
    return source ? source() : monotonicTicks();
}

TickSource setTickSource(TickSource source)
{
    TickSource previous = std::move(currentSource());
    currentSource() = std::move(source);
    return previous;
}

} // namespace platform
