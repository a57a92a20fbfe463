#include "button/numbertext.h"
#include "button/skincords.h"
#include "platform/runtimeerror.h"

#include <gtest/gtest.h>

namespace {

struct CordsCase {
    const char* cords;
    float width;
    float height;
    const char* expected;
};

class ResizedSkinCords : public ::testing::TestWithParam<CordsCase> {};

TEST_P(ResizedSkinCords, PutsTheSizeInFrontAndKeepsTheSlicePairs)
{
    const CordsCase& c = GetParam();
    EXPECT_EQ(button::resizedSkinCords(QString::fromLatin1(c.cords), c.width, c.height),
              QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResizedSkinCords,
    ::testing::Values(
        CordsCase{"1215,495,75,75,75,75,75,75", 1500, 450, "1500,450,75,75,75,75,75,75"},
        CordsCase{"0,0,0,0,0,0,0,0", 1935, 375, "1935,375,0,0,0,0,0,0"},
        CordsCase{"1,2,75.0,075,7.5e1, 75,75abc,x", 1500, 450, "1500,450,75,75,75,75,75,0"},
        CordsCase{"1,2,0.1,-15,3,4,5,6", 1500.5f, 450.25f, "1500.5,450.25,0.1,-15,3,4,5,6"},
        // A height that is not positive falls back to 1000 × 300 twips.
        CordsCase{"1500,450,75,75,75,75,75,75", 1500, 0, "1000,300,75,75,75,75,75,75"},
        CordsCase{"1500,450,15,30,45,60,75,90", 0, -15, "1000,300,15,30,45,60,75,90"},
        // A width of 0 with a positive height is kept.
        CordsCase{"1500,450,75,75,75,75,75,75", 0, 450, "0,450,75,75,75,75,75,75"},
        // Fewer than eight numbers: the missing ones are 0.
        CordsCase{"", 1500, 450, "1500,450,0,0,0,0,0,0"},
        CordsCase{"1,2,45,45", 1500, 450, "1500,450,45,45,0,0,0,0"},
        // Plain decimal text: no exponent, no negative zero.
        CordsCase{"1,2,-0,-0.0,3e5,1e-5,1e20,-2.5e2", 300000, 450,
                  "300000,450,0,0,300000,0.00001,100000000000000000000,-250"},
        CordsCase{"1,2,75,75,75,75,75,75", 16777216, 1e-3f, "16777216,0.001,75,75,75,75,75,75"}));

TEST(ResizedSkinCordsOverflow, RaisesForANumberTooLargeToRead)
{
    for (const char* cords : {"1,2,75,75,1e999,75,75,75", "1,2,75,75,75,75,75,-1e400"}) {
        try {
            button::resizedSkinCords(QString::fromLatin1(cords), 1500, 450);
            ADD_FAILURE() << cords << ": no error raised";
        } catch (const platform::RuntimeError& error) {
            EXPECT_EQ(error.number(), platform::kErrOverflow) << cords;
        }
    }
}

TEST(SkinSlice, TakesTheSizeAndTheStatesPairRoundedHalvesToEven)
{
    const QString cords = QStringLiteral("1500.5,449.5,75,60,22.5,37.5,1,2");
    const button::SkinSlice normal = button::sliceForState(cords, 1);
    EXPECT_EQ(normal.width, 1500);
    EXPECT_EQ(normal.height, 450);
    EXPECT_EQ(normal.cornerWidth, 75);
    EXPECT_EQ(normal.cornerHeight, 60);
    const button::SkinSlice hover = button::sliceForState(cords, 2);
    EXPECT_EQ(hover.cornerWidth, 22);
    EXPECT_EQ(hover.cornerHeight, 38);
    const button::SkinSlice pressed = button::sliceForState(cords, 3);
    EXPECT_EQ(pressed.cornerWidth, 1);
    EXPECT_EQ(pressed.cornerHeight, 2);
}

TEST(SkinSlice, RaisesOverflowForANumberOutside32Bits)
{
    try {
        button::sliceForState(QStringLiteral("1500,450,75,75,1e10,75,75,75"), 2);
        FAIL() << "no error raised";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), platform::kErrOverflow);
    }
    EXPECT_NO_THROW(button::sliceForState(QStringLiteral("1500,450,75,75,1e10,75,75,75"), 1));
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText)
{
    EXPECT_EQ(button::leadingNumber(u"  42abc"), 42.0);
    EXPECT_EQ(button::leadingNumber(u"-1.5e2x"), -150.0);
    EXPECT_EQ(button::leadingNumber(u"+.5"), 0.5);
    EXPECT_EQ(button::leadingNumber(u"7."), 7.0);
    EXPECT_EQ(button::leadingNumber(u"3e"), 3.0);
    EXPECT_EQ(button::leadingNumber(u"abc"), 0.0);
    EXPECT_EQ(button::leadingNumber(u"."), 0.0);
    EXPECT_EQ(button::leadingNumber(u"inf"), 0.0);
    EXPECT_EQ(button::leadingNumber(u"0x1F"), 0.0);
    EXPECT_EQ(button::leadingNumber(u"1e-999"), 0.0);
    EXPECT_THROW(button::leadingNumber(u"1e999"), platform::RuntimeError);
}

} // namespace
