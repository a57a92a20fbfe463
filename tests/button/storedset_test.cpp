#include "button/storedvalues.h"
#include "buttontesting.h"
#include "platform/colour.h"
#include "platform/propertybag.h"

#include <gtest/gtest.h>

namespace {

TEST(InitProperties, GivesTheDisplayNameAndNothingElse)
{
    ButtonFixture f;
    f.button.InitProperties();
    EXPECT_EQ(f.button.Caption(), "ctlButton1");
    EXPECT_TRUE(f.button.Skin_Cords().isEmpty());
    EXPECT_TRUE(f.button.Enabled());
    EXPECT_FALSE(f.button.ToolbarMode());
    EXPECT_EQ(f.button.BackColor(), platform::kButtonFace);
    EXPECT_EQ(f.button.ForeColor(), platform::kButtonText);
    EXPECT_EQ(f.button.Font().family(), "Tahoma");
    EXPECT_DOUBLE_EQ(f.button.Font().pointSizeF(), 8.25);
    EXPECT_FALSE(f.button.PropertiesRead());
    EXPECT_TRUE(f.host.reported.isEmpty());
}

TEST(ReadProperties, OfAnEmptySetGivesTheReadDefaults)
{
    ButtonFixture f;
    f.button.ReadProperties(platform::PropertyBag());
    EXPECT_FALSE(f.button.Enabled());   // "Enabled" reads as False
    EXPECT_EQ(f.button.ForeColor(), 0); // black, not the button text colour
    EXPECT_EQ(f.button.BackColor(), platform::kButtonFace);
    EXPECT_EQ(f.button.Caption(), "ctlButton1"); // the display name
    EXPECT_EQ(f.button.Font(), f.host.font);     // the ambient font
    EXPECT_EQ(f.button.Skin_Cords(), "0,0,0,0,0,0,0,0");
    EXPECT_EQ(f.button.PicState1(), nullptr);
    EXPECT_FALSE(f.button.HasPicture());
    EXPECT_TRUE(f.button.ButtonPicture()->isEmpty());
    EXPECT_FALSE(f.button.ToolbarMode());
    EXPECT_TRUE(f.button.PropertiesRead());
    EXPECT_TRUE(f.host.reported.isEmpty());
}

TEST(ReadProperties, MatchesNamesInAnyCase)
{
    ButtonFixture f;
    platform::PropertyBag bag;
    bag.writeProperty("CAPTION", QStringLiteral("Exit"));
    bag.writeProperty("forecolor", 65280);
    bag.writeProperty("EnAbLeD", -1);
    bag.writeProperty("THEME_NO", QVariant::fromValue<qint16>(7));
    f.button.ReadProperties(bag);
    EXPECT_EQ(f.button.Caption(), "Exit");
    EXPECT_EQ(f.button.ForeColor(), 65280);
    EXPECT_TRUE(f.button.Enabled());
    EXPECT_EQ(f.button.theme_no(), 7);
}

TEST(ReadProperties, SkipsAStepThatFailsAndGoesOn)
{
    ButtonFixture f;
    platform::PropertyBag bag;
    bag.writeProperty("theme_file_no", QStringLiteral("not a number"));
    bag.writeProperty("Enabled", QStringLiteral("maybe"));
    bag.writeProperty("theme_no", 70000); // beyond 16 bits
    bag.writeProperty("Font", QStringLiteral("Tahoma"));
    bag.writeProperty("Caption", QStringLiteral("About"));
    bag.writeProperty("ToolbarMode", true);
    f.button.ReadProperties(bag);
    EXPECT_EQ(f.button.theme_file_no(), 0);
    EXPECT_EQ(f.button.theme_no(), 0);
    EXPECT_TRUE(f.button.Enabled()); // unchanged from a new button
    EXPECT_EQ(f.button.Font().family(), "Tahoma");
    EXPECT_EQ(f.button.Caption(), "About");
    EXPECT_TRUE(f.button.ToolbarMode());
    EXPECT_TRUE(f.button.PropertiesRead());
}

TEST(WriteProperties, StoresOnlyWhatDiffersFromTheDefaults)
{
    ButtonFixture f;
    f.button.ReadProperties(platform::PropertyBag());
    platform::PropertyBag bag;
    f.button.WriteProperties(bag);
    // A disabled button, a caption equal to the display name, black text, the default
    // background and slice numbers, no pictures: only the font and the toolbar flag.
    EXPECT_EQ(bag.names(), QStringList({"font", "toolbarmode"}));

    platform::PropertyBag again;
    f.button.ReadProperties(bag);
    f.button.WriteProperties(again);
    EXPECT_EQ(f.button.Caption(), "ctlButton1");
    EXPECT_FALSE(f.button.Enabled());
    EXPECT_EQ(again, bag);
}

TEST(WriteProperties, StoresAnEnabledButtonAsMinusOne)
{
    ButtonFixture f;
    f.button.setEnabled(true);
    platform::PropertyBag bag;
    f.button.WriteProperties(bag);
    ASSERT_TRUE(bag.contains("enabled"));
    EXPECT_EQ(platform::toInt32(bag.readProperty("Enabled")), -1);
}

// A hidden button hears of its resize only when shown; what it saves meanwhile is
// still what its current size gives.
TEST(WriteProperties, OfAHiddenResizedButtonSavesPicturesAndCordsOfItsSize)
{
    ButtonFixture f;
    platform::PropertyBag stored;
    for (const char* state : {"PicState1", "PicState2", "PicState3"})
        stored.writeProperty(state, QVariant::fromValue(makeSkin({100, 30})));
    stored.writeProperty("Skin_Cords", QStringLiteral("1500,450,45,45,45,45,45,45"));
    f.button.ReadProperties(stored);
    f.button.hide();
    f.button.resize(150, 40);

    platform::PropertyBag saved;
    f.button.WriteProperties(saved);
    EXPECT_EQ(platform::toText(saved.readProperty("Skin_Cords")), "2250,600,45,45,45,45,45,45");
    for (const char* state : {"PicState1", "PicState2", "PicState3"})
        EXPECT_EQ(button::toPicture(saved.readProperty(state))->image().size(), QSize(150, 40))
            << state;
}

TEST(StoredSet, RoundTripKeepsEveryValue)
{
    ButtonFixture f;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    f.button.setFont(font);
    f.button.setCaption(QStringLiteral("Exit"));
    f.button.setForeColor(65280);
    f.button.setBackColor(platform::rgbValue(1, 2, 3));
    f.button.setToolbarMode(true);
    f.button.setButtonPicture(makeFilled({16, 16}, qRgb(0, 200, 0)));
    const platform::PicturePtr normal = makeSkin({100, 30});
    const platform::PicturePtr hover = makeSkin({100, 30}, qRgb(1, 200, 1));
    const platform::PicturePtr pressed = makeSkin({100, 30}, qRgb(1, 1, 200));
    f.button.SetSkin(normal, hover, pressed, QStringLiteral("1500,450,75,75,75,75,15,15"), 21, 7,
                     true);
    platform::PropertyBag bag;
    f.button.WriteProperties(bag);

    ButtonFixture g;
    g.button.ReadProperties(bag);
    EXPECT_EQ(g.button.Font().family(), "DejaVu Sans");
    EXPECT_DOUBLE_EQ(g.button.Font().pointSizeF(), 9.75);
    EXPECT_TRUE(g.button.Font().bold());
    EXPECT_EQ(g.button.Caption(), "Exit");
    EXPECT_EQ(g.button.ForeColor(), 65280);
    EXPECT_EQ(g.button.BackColor(), platform::rgbValue(1, 2, 3));
    EXPECT_TRUE(g.button.ToolbarMode());
    EXPECT_TRUE(g.button.Enabled());
    EXPECT_TRUE(g.button.HasPicture());
    EXPECT_EQ(g.button.ButtonPicture()->image(), f.button.ButtonPicture()->image());
    EXPECT_EQ(g.button.PicState1()->image(), normal->image());
    EXPECT_EQ(g.button.PicState2()->image(), hover->image());
    EXPECT_EQ(g.button.PicState3()->image(), pressed->image());
    EXPECT_EQ(g.button.Skin_Cords(), "1500,450,75,75,75,75,15,15");
    EXPECT_EQ(g.button.theme_file_no(), 21);
    EXPECT_EQ(g.button.theme_no(), 7);
    EXPECT_TRUE(g.host.reported.isEmpty());

    platform::PropertyBag again;
    g.button.WriteProperties(again);
    EXPECT_EQ(again, bag);
}

TEST(StoredSet, APictureRejectedOnceIsNotStored)
{
    ButtonFixture f;
    MessageRecorder messages;
    f.button.setButtonPicture(makeFilled({200, 10}, qRgb(0, 200, 0)));
    platform::PropertyBag bag;
    f.button.WriteProperties(bag);
    EXPECT_FALSE(bag.contains("btnpicture"));
}

} // namespace
