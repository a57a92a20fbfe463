// Runs a shown 26-cell display scrolling every 150 ms for a number of seconds (10 by
// default) and prints the process's CPU time over that span as a share of one core.
#include "marquee/display.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return double(t.tv_sec) + double(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Counts the frames that reach the screen.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10;

    marquee::Display display;
    display.setCharacters("26");
    display.setColor(65535);
    display.setCaption(QStringLiteral("Keypad IC finder - written for repair technicians"));
    display.setScrollRate(150);
    PaintCounter counter;
    display.installEventFilter(&counter);
    display.show();

    QElapsedTimer wall;
    double cpuAtStart = 0;
    // Half a second to settle after showing, then the measured span.
    QTimer::singleShot(500, [&] {
        display.setScroll(true);
        counter.paints = 0;
        cpuAtStart = cpuSeconds();
        wall.start();
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, &QApplication::quit);
    });
    app.exec();

    const double cpu = cpuSeconds() - cpuAtStart;
    const double elapsed = double(wall.elapsed()) / 1000.0;
    std::printf("%d frames painted in %.2f s wall, %.3f s CPU: %.3f %% of one core\n",
                counter.paints, elapsed, cpu, 100.0 * cpu / elapsed);
    return 0;
}
