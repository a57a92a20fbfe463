// The baseline of the start-up and idle figures: a bare Qt window of the finder's size
// holding one combo box and a marquee-sized area, started and painted the same way.
// With --ticking it also repaints one marquee cell every 150 ms at the marquee's place,
// sending its pixels over the X connection as the finder does: the least a Qt window
// showing a scrolling marquee does while it waits.
#include "platform/firstpainttrace.h"

#include <QApplication>
#include <QComboBox>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {

class Cell : public QWidget {
public:
    explicit Cell(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter(this).fillRect(event->rect(), Qt::darkYellow);
    }
};

} // namespace

int main(int argc, char** argv)
{
    const bool ticking = argc > 1 && std::strcmp(argv[1], "--ticking") == 0;
    if (ticking)
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(443, 568);
    QComboBox combo(&window);
    combo.setEditable(true);
    combo.setGeometry(16, 184, 345, 24);
    Cell marquee(&window);
    marquee.setGeometry(16, 512, 416, 22);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &marquee,
                     [&marquee] { marquee.repaint(400, 0, 16, 22); });
    if (ticking)
        tick.start(150);
    platform::traceFirstPaint(window);
    window.show();
    return app.exec();
}
