#pragma once

#include <QPoint>
#include <QString>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

// Input queued as the desktop queues it: into the window system's event queue, where it
// waits for the event loop's next pass instead of being delivered at once. Several steps
// queued together arrive the way a quick click or fast typing does, all already waiting
// while the first is handled. Positions are in the window's pixels.
namespace queuedinput {

// timestamp: the event's time in milliseconds, as the desktop stamps it (two presses
// closer than the double-click interval make a double click); 0 stamps it now.
inline void mouse(QWindow* window, QEvent::Type type, QPoint at, Qt::MouseButtons held,
                  Qt::MouseButton changed, ulong timestamp = 0)
{
    const QPointF local(at), global(window->mapToGlobal(at));
    using Queue = QWindowSystemInterface::AsynchronousDelivery;
    if (timestamp == 0)
        QWindowSystemInterface::handleMouseEvent<Queue>(window, local, global, held, changed, type);
    else
        QWindowSystemInterface::handleMouseEvent<Queue>(window, timestamp, local, global, held,
                                                        changed, type);
}

inline void move(QWindow* window, QPoint at)
{
    mouse(window, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

inline void press(QWindow* window, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                  ulong timestamp = 0)
{
    mouse(window, QEvent::MouseButtonPress, at, button, button, timestamp);
}

inline void release(QWindow* window, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                    ulong timestamp = 0)
{
    mouse(window, QEvent::MouseButtonRelease, at, Qt::NoButton, button, timestamp);
}

// A press and its release 10 ms later, when pressedAt is given.
inline void click(QWindow* window, QPoint at, ulong pressedAt = 0)
{
    press(window, at, Qt::LeftButton, pressedAt);
    release(window, at, Qt::LeftButton, pressedAt == 0 ? 0 : pressedAt + 10);
}

inline void key(QWindow* window, QEvent::Type type, int qtKey, const QString& text = {})
{
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, type, qtKey, Qt::NoModifier, text);
}

// A key pressed and released at once.
inline void tap(QWindow* window, int qtKey, const QString& text = {})
{
    key(window, QEvent::KeyPress, qtKey, text);
    key(window, QEvent::KeyRelease, qtKey, text);
}

// Whether everything queued has been handled.
inline bool allHandled()
{
    return QWindowSystemInterface::windowSystemEventsQueued() == 0;
}

} // namespace queuedinput
