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

inline void mouse(QWindow* window, QEvent::Type type, QPoint at, Qt::MouseButtons held,
                  Qt::MouseButton changed)
{
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, QPointF(at), QPointF(window->mapToGlobal(at)), held, changed, type);
}

inline void move(QWindow* window, QPoint at)
{
    mouse(window, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

inline void press(QWindow* window, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(window, QEvent::MouseButtonPress, at, button, button);
}

inline void release(QWindow* window, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(window, QEvent::MouseButtonRelease, at, Qt::NoButton, button);
}

inline void click(QWindow* window, QPoint at)
{
    press(window, at);
    release(window, at);
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

} // namespace queuedinput
