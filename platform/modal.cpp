#include "platform/modal.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace platform {
namespace {

// Ends the local loop once the modal window is hidden.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop)
        : m_loop(loop)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
            m_loop.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& m_loop;
};

} // namespace

void showModal(QWidget& window)
{
    QPointer<QWidget> guard(&window);
    QEventLoop loop;
    HideWatcher watcher(loop);
    window.installEventFilter(&watcher);
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    if (window.isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->removeEventFilter(&watcher);
}

} // namespace platform
