#include "platform/runtimeerror.h"
#include "platform/timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

using platform::Timer;

TEST(Timer, TicksOnlyWhenEnabledWithAnIntervalAboveZero)
{
    struct Case {
        bool enabled;
        int interval;
        bool ticking;
    };
    for (const Case c : {Case{false, 0, false},
                         {true, 0, false},
                         {false, 50, false},
                         {true, 50, true},
                         {true, 65535, true}}) {
        Timer timer;
        timer.setInterval(c.interval);
        timer.setEnabled(c.enabled);
        EXPECT_EQ(timer.isTicking(), c.ticking) << c.enabled << " " << c.interval;
    }
}

TEST(Timer, ZeroIntervalStopsAnEnabledTimer)
{
    Timer timer;
    timer.setEnabled(true);
    timer.setInterval(1);
    int ticks = 0;
    QObject::connect(&timer, &Timer::tick, [&] { ++ticks; });
    QElapsedTimer waited;
    waited.start();
    while (ticks == 0 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    EXPECT_GT(ticks, 0);

    timer.setInterval(0);
    ticks = 0;
    for (int pass = 0; pass < 20; ++pass)
        QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(timer.isEnabled());
}

TEST(Timer, IntervalOutsideSixteenBitsUnsignedIsRefused)
{
    Timer timer;
    timer.setInterval(150);
    for (const int bad : {-1, 65536, -32768}) {
        try {
            timer.setInterval(bad);
            ADD_FAILURE() << bad << " accepted";
        } catch (const platform::RuntimeError& e) {
            EXPECT_EQ(e.number(), platform::kErrInvalidPropertyValue);
        }
        EXPECT_EQ(timer.interval(), 150);
    }
}

} // namespace
