// The form Designer saved after a style installation, compiled with uic into this
// program: the buttons come up restored from their stored sets with the faces Designer
// showed, and the marquee with its cells and colour.
#include "button/ctlbutton.h"
#include "marquee/display.h"
#include "pointerfaces.h"
#include "ui_roundtrip.h"

#include <gtest/gtest.h>

namespace {

class UicForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui.setupUi(&window);
        window.show();
        QCoreApplication::processEvents();
    }

    QWidget window;
    Ui::Form ui;
};

} // namespace

TEST_F(UicForm, ButtonsShowTheFacesDesignerShowed)
{
    for (ctlButton* button : {ui.ctlButton1, ui.ctlButton2}) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_TRUE(button->PropertiesRead());
        EXPECT_EQ(button->theme_file_no(), 1);
        EXPECT_EQ(button->theme_no(), 2);
        EXPECT_EQ(button->Caption(), button->objectName());
        const QList<QImage> faces = designertest::facesByPointer(*button);
        for (int state = 0; state <= 2; ++state) {
            SCOPED_TRACE(state);
            EXPECT_TRUE(designertest::matchesFile(
                faces.at(state),
                designertest::faceFile(ROUNDTRIP_DIR, button->objectName(), state)));
        }
    }
}

TEST_F(UicForm, ButtonsKeepTheSliceNumbersAndRebuildWhenResized)
{
    const QString cords = ui.ctlButton1->Skin_Cords();
    EXPECT_EQ(cords, "1440,420,75,75,75,75,75,75");
    ui.ctlButton1->resize(120, 30);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.ctlButton1->Skin_Cords(), "1800,450,75,75,75,75,75,75");
    EXPECT_EQ(ui.ctlButton1->PicState2()->image().size(), QSize(120, 30));
}

TEST_F(UicForm, MarqueeKeepsItsCellsAndColour)
{
    EXPECT_EQ(ui.Display1->cellCount(), 12);
    EXPECT_EQ(ui.Display1->Color(), 65535);
    EXPECT_TRUE(designertest::matchesFile(ui.Display1->surface(),
                                          designertest::faceFile(ROUNDTRIP_DIR, "Display1", 0)));
}
