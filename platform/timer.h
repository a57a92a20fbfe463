#pragma once

#include <QObject>
#include <QTimer>

// A control's timer: it ticks every interval milliseconds while it is enabled. The
// interval lies in 0 to 65535; an interval of 0 never ticks, even while the timer is
// enabled (a zero-interval QTimer would fire on every pass of the event loop).
namespace platform {

class Timer : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxInterval = 65535;

    // A new timer is disabled with interval 0.
    explicit Timer(QObject* parent = nullptr);

    int interval() const { return m_interval; }
    // Raises kErrInvalidPropertyValue for a value outside 0 to 65535 and keeps the
    // interval as it was. A new interval starts a new count.
    void setInterval(int milliseconds);

    bool isEnabled() const { return m_enabled; }
    // Enabling a timer that is already enabled keeps its count running.
    void setEnabled(bool enabled);

    // Whether ticks will arrive: enabled with an interval above 0.
    bool isTicking() const { return m_clock.isActive(); }

signals:
    void tick();

private:
    void reschedule();

    QTimer m_clock;
    int m_interval = 0;
    bool m_enabled = false;
};

} // namespace platform
