#include "platform/firstpainttrace.h"

#include <QDateTime>
#include <QEvent>
#include <QWidget>
#include <cstdio>

namespace platform {
namespace {

class FirstPaintTracer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            // Report after this paint has been handled, when the frame is on screen.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    std::printf("first-paint %lld\n",
                                static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                    std::fflush(stdout);
                    deleteLater();
                },
                Qt::QueuedConnection);
            watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void traceFirstPaint(QWidget& window)
{
    if (qEnvironmentVariableIsEmpty("VANTREL_TRACE_FIRST_PAINT"))
        return;
    window.installEventFilter(new FirstPaintTracer(&window));
}

} // namespace platform
