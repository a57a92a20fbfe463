#include "platform/runtimeerror.h"
#include "platform/units.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    struct Case {
        double in;
        double out;
    };
    for (const Case c : {Case{0.5, 0},
                         {1.5, 2},
                         {2.5, 2},
                         {-0.5, 0},
                         {-1.5, -2},
                         {2.4999, 2},
                         {2.5001, 3},
                         {-3.5, -4},
                         {7.0, 7}}) {
        EXPECT_EQ(platform::roundHalfEven(c.in), c.out) << c.in;
    }
}

TEST(Himetric, ConvertsToTwipsByTruncation)
{
    // 2143 HIMETRIC is the 1215-twip width of the main window's Exit button.
    EXPECT_EQ(platform::twipsFromHimetric(2143), 1215);
    EXPECT_EQ(platform::twipsFromHimetric(661), 374);
    EXPECT_EQ(platform::twipsFromHimetric(0), 0);
    EXPECT_EQ(platform::himetricFromPixels(81), 2143);
    EXPECT_EQ(platform::himetricFromPixels(96), 2540);
}

TEST(Himetric, OverflowOfTheThirtyTwoBitProductIsError6)
{
    try {
        platform::twipsFromHimetric(std::numeric_limits<std::int32_t>::max() / 500);
        FAIL() << "expected an overflow";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::kErrOverflow);
    }
}

} // namespace
