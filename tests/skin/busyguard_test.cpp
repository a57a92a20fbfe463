#include "platform/eventpump.h"
#include "platform/tickcounter.h"
#include "skin/busyguard.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

using basGeneral::GeneralBusy;
using basGeneral::SubBusy;
using basGeneral::WaitWhileBusy;

// A scripted clock: every pumped pass advances the counter by a fixed step.
class BusyGuardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SubBusy = 0;
        GeneralBusy = 0;
        m_previousTicks = platform::setTickSource([this] { return m_now; });
        m_previousPass = platform::setEventPass([this] {
            ++passes;
            m_now += step;
            if (onPass)
                onPass();
        });
    }
    void TearDown() override
    {
        platform::setTickSource(std::move(m_previousTicks));
        platform::setEventPass(std::move(m_previousPass));
        SubBusy = 0;
        GeneralBusy = 0;
    }

    void startAt(std::uint32_t t) { m_now = t; }
    std::uint32_t now() const { return m_now; }

    int passes = 0;
    std::uint32_t step = 10;
    std::function<void()> onPass;

private:
    std::uint32_t m_now = 1000;
    platform::TickSource m_previousTicks;
    platform::EventPass m_previousPass;
};

TEST_F(BusyGuardTest, ClearFlagPumpsOnceAndReturns)
{
    WaitWhileBusy(2, false, "Draw");
    EXPECT_EQ(passes, 1);
    WaitWhileBusy(2, true, "LoadThemeFile");
    EXPECT_EQ(passes, 2);
}

TEST_F(BusyGuardTest, OnlyMinusOneCountsAsBusy)
{
    for (std::int16_t value : {std::int16_t{1}, std::int16_t{-2}, std::int16_t{32767}}) {
        passes = 0;
        SubBusy = value;
        WaitWhileBusy(2, false, "Draw");
        EXPECT_EQ(passes, 1) << value;
    }
}

TEST_F(BusyGuardTest, StuckFlagReturnsAfterTheLimitPumpingThroughout)
{
    SubBusy = -1;
    const std::uint32_t start = now();
    WaitWhileBusy(2, false, "SetSkin");
    EXPECT_EQ(now() - start, 2000u);
    EXPECT_EQ(passes, 200);
}

TEST_F(BusyGuardTest, WatchesOnlyTheFlagItIsAskedFor)
{
    GeneralBusy = -1;
    WaitWhileBusy(2, false, "Draw");
    EXPECT_EQ(passes, 1);
    passes = 0;
    SubBusy = -1;
    GeneralBusy = 0;
    WaitWhileBusy(2, true, "LoadThemeFile");
    EXPECT_EQ(passes, 1);
}

TEST_F(BusyGuardTest, WaitAcrossTheCounterWrapLastsItsLimit)
{
    startAt(0xFFFFFFFFu - 500);
    SubBusy = -1;
    WaitWhileBusy(2, false, "Resizensave");
    EXPECT_EQ(passes, 200);
    EXPECT_EQ(now(), 1500u - 1);
}

TEST_F(BusyGuardTest, FlagClearedByAPumpedHandlerEndsTheWait)
{
    SubBusy = -1;
    onPass = [this] {
        if (passes == 5)
            SubBusy = 0;
    };
    WaitWhileBusy(2, false, "Usercontrol_MouseDown");
    EXPECT_EQ(passes, 5);
}

TEST_F(BusyGuardTest, NestedWaitsFromPumpedHandlersEachKeepTheirLimit)
{
    SubBusy = -1;
    int nested = 0;
    onPass = [&] {
        if (passes == 1) {
            ++nested;
            WaitWhileBusy(1, false, "Usercontrol_Mouseup");
        }
    };
    const std::uint32_t start = now();
    WaitWhileBusy(2, false, "Draw");
    EXPECT_EQ(nested, 1);
    EXPECT_GE(now() - start, 2000u);
    EXPECT_LT(now() - start, 2000u + step);
}

TEST_F(BusyGuardTest, BusyScopeClearsTheFlagOnEveryWayOut)
{
    try {
        basGeneral::BusyScope busy(SubBusy);
        EXPECT_EQ(SubBusy, -1);
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(SubBusy, 0);
}

} // namespace
