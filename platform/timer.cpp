#include "platform/timer.h"

#include "platform/runtimeerror.h"

namespace platform {

Timer::Timer(QObject* parent)
    : QObject(parent)
{
    connect(&m_clock, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int milliseconds)
{
    if (milliseconds < 0 || milliseconds > kMaxInterval)
        throw RuntimeError(kErrInvalidPropertyValue,
                           QStringLiteral("A timer interval lies in 0 to %1 milliseconds, not %2")
                               .arg(kMaxInterval)
                               .arg(milliseconds));
    m_interval = milliseconds;
    reschedule();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    reschedule();
}

void Timer::reschedule()
{
    if (m_enabled && m_interval > 0)
        m_clock.start(m_interval);
    else
        m_clock.stop();
}

} // namespace platform
