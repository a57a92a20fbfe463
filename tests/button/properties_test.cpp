#include "buttontesting.h"
#include "platform/eventpump.h"
#include "platform/runtimeerror.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kRejection = QStringLiteral(
    "Invalid Picture or Invalid Picture Size! Supports only Maximum 128x128 Pictures!");

struct PictureCase {
    const char* what;
    std::function<platform::PicturePtr()> make;
    bool accepted;
};

class PictureValidation : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PictureValidation, AcceptsUpTo128By128Pixels)
{
    const PictureCase& c = GetParam();
    ButtonFixture f;
    MessageRecorder messages;
    const platform::PicturePtr before = f.button.ButtonPicture();
    const platform::PicturePtr picture = c.make();
    f.button.setButtonPicture(picture);
    if (c.accepted) {
        EXPECT_TRUE(messages.messages.empty());
        EXPECT_EQ(f.button.ButtonPicture(), picture);
        EXPECT_TRUE(f.button.HasPicture());
        EXPECT_EQ(f.host.reported, QStringList({"BtnPicture"}));
        return;
    }
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Error");
    EXPECT_EQ(messages.messages[0].text, kRejection);
    EXPECT_EQ(messages.messages[0].icon, platform::MessageIcon::Critical);
    EXPECT_EQ(f.button.ButtonPicture(), before);
    EXPECT_FALSE(f.button.HasPicture());
    EXPECT_TRUE(f.host.reported.isEmpty());
}

platform::PicturePtr bitmap(int w, int h)
{
    return makeFilled({w, h}, qRgb(0, 200, 0));
}

platform::PicturePtr icon(std::int32_t himetricWidth, std::int32_t himetricHeight)
{
    return std::make_shared<platform::Picture>(
        platform::Picture::nonBitmap(platform::PictureType::Icon, himetricWidth, himetricHeight));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PictureValidation,
    ::testing::Values(
        PictureCase{"128x128", [] { return bitmap(128, 128); }, true},
        PictureCase{"1x1", [] { return bitmap(1, 1); }, true},
        PictureCase{"129x10", [] { return bitmap(129, 10); }, false},
        PictureCase{"10x129", [] { return bitmap(10, 129); }, false},
        PictureCase{"empty", [] { return std::make_shared<platform::Picture>(); }, false},
        PictureCase{"zero_width", [] { return icon(0, 265); }, false},
        // 2 HIMETRIC is 1.134 twips: at least one
        PictureCase{"one_twip", [] { return icon(2, 2); }, true},
        PictureCase{"under_one_twip", [] { return icon(1, 1); }, false},
        PictureCase{"overflowing_size", [] { return icon(2'000'000'000, 10); }, false}),
    [](const auto& p) { return caseName(p.param.what); });

TEST(ButtonPicture, NoPictureObjectIsAnErrorBeforeAnyChange)
{
    ButtonFixture f;
    MessageRecorder messages;
    try {
        f.button.setButtonPicture(nullptr);
        FAIL() << "no error raised";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), platform::kErrObjectNotSet);
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(f.host.reported.isEmpty());
    EXPECT_NE(f.button.ButtonPicture(), nullptr);
}

TEST(ButtonPicture, ReadingAnEmptyPictureClearsHasPicture)
{
    ButtonFixture f;
    EXPECT_TRUE(f.button.ButtonPicture()->isEmpty());
    EXPECT_FALSE(f.button.HasPicture());
}

struct SetterCase {
    const char* what;
    std::function<void(ctlButton&)> set;
    const char* reported;
};

class Setters : public ::testing::TestWithParam<SetterCase> {};

TEST_P(Setters, ReportTheirPropertyByName)
{
    ButtonFixture f;
    f.button.Draw(false, 1);
    GetParam().set(f.button);
    EXPECT_EQ(f.host.reported, QStringList({GetParam().reported}));
    EXPECT_EQ(f.button.FaceState(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Properties, Setters,
    ::testing::Values(
        SetterCase{"BackColor", [](ctlButton& b) { b.setBackColor(255); }, "Backcolor"},
        SetterCase{"Caption", [](ctlButton& b) { b.setCaption(QStringLiteral("Go")); }, "Caption"},
        SetterCase{"Enabled", [](ctlButton& b) { b.setEnabled(false); }, "Enabled"},
        SetterCase{"Font", [](ctlButton& b) { b.setFont(QFont(QStringLiteral("DejaVu Serif"))); },
                   "Font"},
        SetterCase{"ForeColor", [](ctlButton& b) { b.setForeColor(65280); }, "Forecolor"},
        SetterCase{"ToolbarMode", [](ctlButton& b) { b.setToolbarMode(true); }, "ToolbarMode"},
        SetterCase{"ButtonPicture", [](ctlButton& b) { b.setButtonPicture(bitmap(16, 16)); },
                   "BtnPicture"}),
    [](const auto& p) { return caseName(p.param.what); });

TEST(Properties, ReadBackWhatWasSet)
{
    ButtonFixture f;
    f.button.setBackColor(platform::kButtonFace);
    f.button.setForeColor(8454143);
    f.button.setCaption(QStringLiteral("Select Brand"));
    f.button.setToolbarMode(true);
    f.button.setEnabled(false);
    EXPECT_EQ(f.button.BackColor(), platform::kButtonFace);
    EXPECT_EQ(f.button.ForeColor(), 8454143);
    EXPECT_EQ(f.button.Caption(), "Select Brand");
    EXPECT_TRUE(f.button.ToolbarMode());
    EXPECT_FALSE(f.button.Enabled());
}

TEST(Caption, PumpsEventsOnceBeforeReporting)
{
    ButtonFixture f;
    QStringList order;
    const platform::EventPass previous = platform::setEventPass([&] { order << "pump"; });
    f.button.setCaption(QStringLiteral("About"));
    platform::setEventPass(previous);
    // The pass before the report is the caption's own; Draw's busy guard pumps once too.
    ASSERT_GE(order.size(), 1);
    EXPECT_EQ(f.host.reported, QStringList({"Caption"}));
    EXPECT_EQ(order.size(), 2);
}

TEST(Host, DefaultsToTheStandaloneHost)
{
    ctlButton button;
    button.setObjectName(QStringLiteral("ctlButton7"));
    button.InitProperties();
    EXPECT_EQ(button.Caption(), "ctlButton7");
    EXPECT_NO_THROW(button.setCaption(QStringLiteral("x")));
}

} // namespace
