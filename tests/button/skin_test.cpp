#include "buttontesting.h"
#include "platform/colour.h"
#include "platform/propertybag.h"
#include "platform/runtimeerror.h"
#include "skin/busyguard.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QRgb pixel(const platform::PicturePtr& picture, int x, int y)
{
    return picture->image().pixel(x, y) & RGB_MASK;
}

QRgb buttonFace()
{
    return platform::toPixel(platform::kButtonFace) & RGB_MASK;
}

QSize sizeOf(const platform::PicturePtr& picture)
{
    return picture->image().size();
}

// A button restored from a stored set holding three 100 × 30 state pictures.
struct RestoredFixture : ButtonFixture {
    explicit RestoredFixture(const QString& cords = QStringLiteral("1500,450,45,45,30,30,15,15"))
    {
        platform::PropertyBag bag;
        bag.writeProperty("PicState1", QVariant::fromValue(normal));
        bag.writeProperty("PicState2", QVariant::fromValue(hover));
        bag.writeProperty("PicState3", QVariant::fromValue(pressed));
        bag.writeProperty("Skin_Cords", cords);
        bag.writeProperty("Enabled", -1);
        bag.writeProperty("Caption", QString());
        button.ReadProperties(bag);
    }
    platform::PicturePtr normal = makeSkin({100, 30});
    platform::PicturePtr hover = makeSkin({100, 30}, qRgb(30, 200, 30));
    platform::PicturePtr pressed = makeSkin({100, 30}, qRgb(30, 30, 200));
};

TEST(SetSkin, FromThePickerReportsAndStretchesToTheButtonsSize)
{
    ButtonFixture f;
    f.button.setCaption(QString());
    f.host.reported.clear();
    const platform::PicturePtr normal = makeSkin({20, 10});
    const platform::PicturePtr hover = makeSkin({20, 10}, qRgb(30, 200, 30));
    const platform::PicturePtr pressed = makeSkin({20, 10}, qRgb(30, 30, 200));
    const QImage untouched = normal->image();
    f.button.SetSkin(normal, hover, pressed, QStringLiteral("300,150,45,45,45,45,45,45"), 21, 7,
                     false);

    EXPECT_EQ(f.host.reported, QStringList({"PicState1", "PicState2", "PicState3", "Skin_Cords",
                                            "PicState1", "PicState2", "PicState3"}));
    EXPECT_EQ(f.button.Skin_Cords(), "1500,450,45,45,45,45,45,45");
    EXPECT_EQ(f.button.theme_file_no(), 21);
    EXPECT_EQ(f.button.theme_no(), 7);
    EXPECT_NE(f.button.PicState1(), normal);
    EXPECT_EQ(normal->image(), untouched);
    for (const platform::PicturePtr& state :
         {f.button.PicState1(), f.button.PicState2(), f.button.PicState3()})
        EXPECT_EQ(sizeOf(state), QSize(100, 30));
    EXPECT_EQ(pixel(f.button.PicState1(), 50, 15), kSkinFill & RGB_MASK);
    EXPECT_EQ(pixel(f.button.PicState2(), 50, 15), qRgb(30, 200, 30) & RGB_MASK);
    // The transparent corner pixel holds the button's background colour.
    EXPECT_EQ(pixel(f.button.PicState1(), 0, 29), buttonFace());
    EXPECT_EQ(f.button.FaceState(), 0);
    EXPECT_EQ(f.button.face(), f.button.PicState1()->image());
    EXPECT_EQ(basGeneral::SubBusy, 0);
}

TEST(SetSkin, FromTheControlItselfNeitherReportsNorStretches)
{
    ButtonFixture f;
    const platform::PicturePtr normal = makeSkin({20, 10});
    const platform::PicturePtr hover = makeSkin({20, 10});
    f.button.SetSkin(normal, hover, nullptr, QStringLiteral("300,150,45,45,45,45,45,45"), 2, 5,
                     true);
    EXPECT_TRUE(f.host.reported.isEmpty());
    EXPECT_EQ(f.button.PicState1(), normal);
    EXPECT_EQ(f.button.PicState2(), hover);
    EXPECT_EQ(f.button.PicState3(), nullptr);
    EXPECT_EQ(f.button.Skin_Cords(), "300,150,45,45,45,45,45,45");
    EXPECT_EQ(f.button.theme_file_no(), 2);
    EXPECT_EQ(f.button.theme_no(), 5);
}

TEST(SetSkin, WithoutANormalPictureChangesNothing)
{
    RestoredFixture f;
    const platform::PicturePtr before = f.button.PicState1();
    f.button.SetSkin(nullptr, makeSkin({20, 10}), makeSkin({20, 10}), QStringLiteral("1,2,3"), 4, 5,
                     false);
    EXPECT_EQ(f.button.PicState1(), before);
    EXPECT_EQ(f.button.Skin_Cords(), "1500,450,45,45,30,30,15,15");
    EXPECT_EQ(f.button.theme_file_no(), 0);
    EXPECT_TRUE(f.host.reported.isEmpty());
    EXPECT_EQ(basGeneral::SubBusy, 0);
}

TEST(SetSkin, WithoutHoverAndPressedPicturesRebuildsTheNormalOne)
{
    ButtonFixture f;
    f.button.SetSkin(makeSkin({20, 10}), nullptr, nullptr,
                     QStringLiteral("300,150,45,45,45,45,45,45"), 0, 0, false);
    EXPECT_EQ(sizeOf(f.button.PicState1()), QSize(100, 30));
    EXPECT_EQ(f.button.PicState2(), nullptr);
    EXPECT_EQ(f.button.PicState3(), nullptr);
    EXPECT_EQ(f.host.reported,
              QStringList({"PicState1", "PicState2", "PicState3", "Skin_Cords", "PicState1"}));
    EXPECT_EQ(basGeneral::SubBusy, 0);
}

TEST(StoredSkin, IsInstalledWithoutReportsOrStretching)
{
    RestoredFixture f;
    EXPECT_TRUE(f.host.reported.isEmpty());
    EXPECT_EQ(f.button.PicState1(), f.normal);
    EXPECT_EQ(f.button.PicState3(), f.pressed);
    EXPECT_TRUE(f.button.PropertiesRead());
    EXPECT_EQ(f.button.face(), f.normal->image());
}

TEST(Resize, OfARestoredButtonRebuildsTheThreePicturesAtTheNewSize)
{
    RestoredFixture f;
    f.button.resize(120, 40);
    EXPECT_EQ(f.button.Skin_Cords(), "1800,600,45,45,30,30,15,15");
    for (const platform::PicturePtr& state :
         {f.button.PicState1(), f.button.PicState2(), f.button.PicState3()})
        EXPECT_EQ(sizeOf(state), QSize(120, 40));
    EXPECT_EQ(pixel(f.button.PicState3(), 60, 20), qRgb(30, 30, 200) & RGB_MASK);
    EXPECT_TRUE(f.host.reported.isEmpty());
    EXPECT_EQ(f.button.face().size(), QSize(120, 40));
}

TEST(Resize, ToHeightZeroBuildsTheFallbackSize)
{
    RestoredFixture f;
    f.button.resize(120, 0);
    EXPECT_EQ(f.button.Skin_Cords(), "1000,300,45,45,30,30,15,15");
    // 1000 × 300 twips: 66.67 × 20 pixels.
    EXPECT_EQ(sizeOf(f.button.PicState1()), QSize(67, 20));
    EXPECT_EQ(sizeOf(f.button.PicState2()), QSize(67, 20));
}

TEST(BackColor, RebuildsThePicturesOnTheNewColour)
{
    RestoredFixture f;
    const platform::PicturePtr before = f.button.PicState1();
    EXPECT_EQ(pixel(before, 0, 29), kMagenta & RGB_MASK);
    f.button.setBackColor(platform::rgbValue(0, 0, 255));
    EXPECT_EQ(f.host.reported, QStringList({"Backcolor"}));
    EXPECT_EQ(f.button.BackColor(), platform::rgbValue(0, 0, 255));
    EXPECT_NE(f.button.PicState1(), before);
    for (const platform::PicturePtr& state :
         {f.button.PicState1(), f.button.PicState2(), f.button.PicState3()})
        EXPECT_EQ(pixel(state, 0, 29), qRgb(0, 0, 255) & RGB_MASK);
    EXPECT_EQ(pixel(f.button.PicState1(), 50, 15), kSkinFill & RGB_MASK);
}

TEST(BackColor, OfAButtonNotYetReadOnlyRedraws)
{
    ButtonFixture f;
    const platform::PicturePtr normal = makeSkin({100, 30});
    f.button.SetSkin(normal, normal, normal, QStringLiteral("1500,450,45,45,45,45,45,45"), 0, 0,
                     true);
    f.button.setBackColor(platform::rgbValue(0, 0, 255));
    EXPECT_EQ(f.button.PicState1(), normal);
}

// The busy flag is released on every way out of a skin operation.
TEST(BusyFlag, IsReleasedWhenARebuildFails)
{
    RestoredFixture f(QStringLiteral("1500,450,45,45,1e10,45,45,45"));
    try {
        f.button.ResizenSave(false);
        FAIL() << "no error raised";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), platform::kErrOverflow);
    }
    EXPECT_EQ(basGeneral::SubBusy, 0);

    // A resize cannot pass the error on; it leaves the flag clear too.
    EXPECT_NO_THROW(f.button.resize(120, 40));
    EXPECT_EQ(basGeneral::SubBusy, 0);
}

class FailingHost final : public ButtonHost {
public:
    QFont ambientFont(const ctlButton&) const override { return {}; }
    QString displayName(const ctlButton&) const override { return {}; }
    void propertyChanged(ctlButton&, const QString&) override
    {
        throw std::runtime_error("host refused the change");
    }
};

TEST(BusyFlag, IsReleasedWhenTheHostFailsDuringSetSkin)
{
    ButtonFixture f;
    FailingHost failing;
    f.button.setHost(&failing);
    EXPECT_THROW(f.button.SetSkin(makeSkin({20, 10}), nullptr, nullptr,
                                  QStringLiteral("300,150,45,45,45,45,45,45"), 0, 0, false),
                 std::runtime_error);
    EXPECT_EQ(basGeneral::SubBusy, 0);
}

} // namespace
