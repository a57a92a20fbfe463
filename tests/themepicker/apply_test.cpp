// Installing a pressed style on the selected buttons.
#include "pagefixture.h"

#include <QSignalSpy>

using namespace pickertest;

namespace {

class ApplyTest : public PageTest {};

TEST_F(ApplyTest, LeftPressInstallsTheStyleOnEveryButtonInSelectionOrder)
{
    ctlButton& first = addButton(QStringLiteral("first"), {81, 33}, 0, 1);
    ctlButton& second = addButton(QStringLiteral("second"), {200, 60}, 0, 2);
    openTheme(12);
    shtStyles& shown = *page;
    EXPECT_EQ(shown.caption(),
              QStringLiteral("Vantrel - Theme File Selected : theme.xbn , Style Selected : 1"));
    buttonHost.log.clear();

    press(shown.State1(2));
    release(shown.State1(2));

    QStringList expected;
    for (const QString& name : {QStringLiteral("first"), QStringLiteral("second")}) {
        for (const char* property : {"PicState1", "PicState2", "PicState3", "Skin_Cords",
                                     "PicState1", "PicState2", "PicState3"})
            expected << name + QLatin1Char(':') + QLatin1String(property);
    }
    EXPECT_EQ(buttonHost.log, expected);
    // Style 2 is images 7, 8 and 9, each corner × 15 twips, the size the button's own.
    const QString corners = QStringLiteral("%1,%2,%3,%4,%5,%6")
                                .arg(cornerWidthOf(7) * 15)
                                .arg(cornerHeightOf(7) * 15)
                                .arg(cornerWidthOf(8) * 15)
                                .arg(cornerHeightOf(8) * 15)
                                .arg(cornerWidthOf(9) * 15)
                                .arg(cornerHeightOf(9) * 15);
    EXPECT_EQ(first.Skin_Cords(), QStringLiteral("1215,495,") + corners);
    EXPECT_EQ(second.Skin_Cords(), QStringLiteral("3000,900,") + corners);
    for (const ctlButton* button : {&first, &second}) {
        EXPECT_EQ(button->theme_file_no(), 0);
        EXPECT_EQ(button->theme_no(), 2);
        EXPECT_EQ(button->PicState1()->image().size(), button->size());
        EXPECT_EQ(button->PicState1()->image().pixel(button->width() / 2, 3) & RGB_MASK,
                  imageColour(7));
        EXPECT_EQ(button->PicState3()->image().pixel(button->width() / 2, 3) & RGB_MASK,
                  imageColour(9));
    }
}

} // namespace
