#include "app/catalogue.h"
#include "app/creditsline.h"
#include "button/ctlbutton.h"
#include "finderwindow.h"
#include "marquee/display.h"
#include "platform/fontsubstitutes.h"
#include "platform/messagebox.h"
#include "platform/urlopener.h"
#include "resources/artwork.h"
#include "resources/background.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QLineEdit>
#include <QTimer>
#include <optional>
#include <vector>

namespace {

TEST_F(FinderWindow, StartsWithNoPictureTheInvitationAndTheFocusInTheModelBox)
{
    EXPECT_EQ(shownPictures(), kNoPicture);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Click here to Select Model Number"));
    EXPECT_TRUE(combo()->hasFocus());
    EXPECT_TRUE(combo()->isEditable());
}

TEST_F(FinderWindow, ModelBoxListsEveryModelUnsortedInCatalogueOrder)
{
    const auto models = app::modelList();
    ASSERT_EQ(combo()->count(), 128);
    for (int i = 0; i < combo()->count(); ++i) {
        EXPECT_EQ(combo()->itemText(i).toStdString(), models[static_cast<std::size_t>(i)]);
        EXPECT_EQ(combo()->itemData(i), QVariant(0));
    }
}

TEST_F(FinderWindow, ModelBoxIsGreyWithWhiteBoldType)
{
    EXPECT_EQ(combo()->palette().color(QPalette::Base), QColor(128, 128, 128));
    EXPECT_EQ(combo()->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_TRUE(combo()->font().bold());
    EXPECT_EQ(combo()->font().pixelSize(), 13); // 9.75 points at 96 dots per inch
}

TEST_F(FinderWindow, IsABorderless443By568WindowWithAnIcon)
{
    EXPECT_EQ(form->size(), QSize(443, 568));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form->windowTitle().isEmpty());
    for (const int size : {16, 20, 24})
        EXPECT_EQ(form->windowIcon().pixmap(size, size).size(), QSize(size, size));
}

TEST_F(FinderWindow, ControlsSitWhereTheyGoInTabOrder)
{
    struct Expected {
        const char* name;
        QRect geometry;
    };
    const std::vector<Expected> tabOrder{
        {"Combo1", {16, 184, 345, 24}},     {"ctlButton1", {344, 379, 81, 33}},
        {"ctlButton2", {256, 379, 81, 33}}, {"ctlButton3", {144, 152, 129, 25}},
        {"ctlButton4", {16, 152, 129, 25}}, {"Picture1", {16, 216, 417, 153}},
        {"Picture2", {16, 216, 417, 153}},  {"Picture3", {16, 216, 417, 153}},
        {"Picture4", {16, 216, 417, 153}},  {"ctlButton5", {408, 8, 25, 17}},
        {"Display1", {16, 512, 416, 22}},   {"Label1", {16, 432, 409, 57}},
        {"Label2", {48, 64, 81, 65}},
    };
    // The window's own controls in the order the focus chain visits them.
    std::vector<QString> chain;
    QWidget* widget = form.get();
    do {
        if (widget->parentWidget() == form.get())
            chain.push_back(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != form.get());
    ASSERT_EQ(chain.size(), tabOrder.size());
    for (std::size_t i = 0; i < tabOrder.size(); ++i) {
        EXPECT_EQ(chain[i], QString::fromLatin1(tabOrder[i].name));
        EXPECT_EQ(control(tabOrder[i].name)->geometry(), tabOrder[i].geometry) << tabOrder[i].name;
    }
    EXPECT_EQ(control("Label1")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(control("Label2")->focusPolicy(), Qt::NoFocus);

    const std::vector<const char*> captions{"Exit", "About", "Select Brand", "Select Model", "X"};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const QString name = QStringLiteral("ctlButton%1").arg(i + 1);
        EXPECT_EQ(control<ctlButton>(qPrintable(name))->Caption(),
                  QString::fromLatin1(captions[i]));
    }
}

TEST_F(FinderWindow, ControlsLieOverTheirPaintedParts)
{
    using namespace artwork::painted;
    EXPECT_EQ(control("ctlButton5")->geometry(), kCloseGlyph);
    EXPECT_EQ(control("ctlButton4")->geometry(), kLeftTab);
    EXPECT_EQ(control("ctlButton3")->geometry(), kRightTab);
    EXPECT_EQ(control("Combo1")->geometry(), kInputField);
    EXPECT_EQ(control("Picture1")->geometry(), kTitlePanel);
    EXPECT_EQ(control("ctlButton2")->geometry(), kSendField);
    EXPECT_EQ(control("ctlButton1")->geometry(), kDropDown);
    EXPECT_TRUE(kForumBanner.contains(control("Label1")->geometry()));
    EXPECT_EQ(control("Label2")->geometry(), kLogo);
    EXPECT_EQ(control("Display1")->geometry(), kMarqueeWell);
}

TEST_F(FinderWindow, LoadStartsTheMarqueeOnTheCreditsLine)
{
    auto* display = control<marquee::Display>("Display1");
    EXPECT_EQ(display->Caption(), app::creditsLine());
    EXPECT_EQ(display->Caption().size(), 180);
    EXPECT_TRUE(display->Scroll());
    EXPECT_EQ(display->ScrollRate(), 150);
}

TEST_F(FinderWindow, TypingShowsThePictureOfTheNamedModelOnly)
{
    typeIntoModelBox(QStringLiteral("6220c"));
    EXPECT_EQ(shownPictures(), kPicture2);
    EXPECT_EQ(
        control<QLabel>("Picture2")->pixmap().toImage().convertToFormat(QImage::Format_RGB888),
        artwork::image(artwork::icPictureFile(2)).convertToFormat(QImage::Format_RGB888));
    QTest::keyClick(combo(), Qt::Key_Backspace);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("6220"));
    EXPECT_EQ(shownPictures(), kPicture3);
}

TEST_F(FinderWindow, TypingDoesNotCompleteAPartialModelNumber)
{
    typeIntoModelBox(QStringLiteral("623"));
    EXPECT_EQ(combo()->currentText(), QStringLiteral("623"));
    EXPECT_EQ(shownPictures(), kNoPicture);
    QTest::keyClick(combo(), Qt::Key_0);
    EXPECT_EQ(shownPictures(), kPicture1);
    QTest::keyClick(combo(), Qt::Key_I);
    EXPECT_EQ(shownPictures(), kPicture4);
}

TEST_F(FinderWindow, PickingAListEntryShowsItsPicture)
{
    const std::vector<std::pair<QString, std::array<bool, 4>>> picks{
        {QStringLiteral("6220c"), kPicture2},
        {QStringLiteral("E70"), kPicture1},
        {QStringLiteral("N95-8GB"), kPicture4},
        {QStringLiteral("8910i"), kPicture3}};
    for (const auto& [model, expected] : picks) {
        combo()->showPopup();
        QAbstractItemView* list = combo()->view();
        const QModelIndex entry = list->model()->index(combo()->findText(model), 0);
        list->scrollTo(entry);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
        EXPECT_EQ(combo()->currentText(), model);
        EXPECT_EQ(shownPictures(), expected) << model.toStdString();
    }
    typeIntoModelBox(QStringLiteral("6220"));
    EXPECT_EQ(shownPictures(), kPicture3);
}

TEST_F(FinderWindow, TextsThatNameNoModelLeaveTheLastPicture)
{
    typeIntoModelBox(QStringLiteral("E70"));
    EXPECT_EQ(shownPictures(), kPicture1);
    QTest::keyClick(combo(), Qt::Key_X);
    EXPECT_EQ(shownPictures(), kPicture1);
    typeIntoModelBox(QString());
    EXPECT_TRUE(combo()->currentText().isEmpty());
    EXPECT_EQ(shownPictures(), kPicture1);
    typeIntoModelBox(QStringLiteral("n95"));
    EXPECT_EQ(shownPictures(), kPicture1);
    EXPECT_EQ(combo()->count(), 128) << "nothing typed joins the list";
}

// The link areas, with the desktop's opener and message boxes replaced.
class FinderLinks : public FinderWindow {
protected:
    void SetUp() override
    {
        FinderWindow::SetUp();
        previousOpener = platform::setUrlOpener([this](const QUrl& url) { opened.push_back(url); });
        previousSink = platform::setMessageSink([this](const platform::Message&) { ++messages; });
    }
    void TearDown() override
    {
        platform::setUrlOpener(previousOpener);
        platform::setMessageSink(previousSink);
    }

    std::vector<QUrl> opened;
    int messages = 0;
    platform::UrlOpener previousOpener;
    platform::MessageSink previousSink;
};

TEST_F(FinderLinks, OpenTheForumAndTheSite)
{
    click("Label1");
    click("Label2");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].host(), QStringLiteral(VANTREL_FORUM_HOST));
    EXPECT_EQ(opened[0].path(), QStringLiteral("/vb/index.php"));
    EXPECT_EQ(opened[1].host(), QStringLiteral(VANTREL_SITE_HOST));
    EXPECT_EQ(opened[1].path(), QStringLiteral("/"));
    EXPECT_TRUE(opened[0].isValid() && opened[1].isValid());
}

TEST_F(FinderLinks, ShowTheHandPointer)
{
    for (const char* name : {"Label1", "Label2"}) {
        const QCursor pointer = control(name)->cursor();
        EXPECT_EQ(pointer.shape(), Qt::BitmapCursor) << name;
        EXPECT_EQ(pointer.hotSpot(), QPoint(12, 1)) << name;
        EXPECT_EQ(pointer.pixmap().size(), QSize(32, 32)) << name;
    }
}

// The recording opener opens nothing, as a desktop without a browser would.
TEST_F(FinderLinks, AFailedOpenChangesNothingAndSaysNothing)
{
    typeIntoModelBox(QStringLiteral("6230"));
    click("Label1");
    click("Label2");
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(messages, 0);
    EXPECT_EQ(shownPictures(), kPicture1);
    EXPECT_EQ(combo()->currentText(), QStringLiteral("6230"));
}

TEST_F(FinderLinks, ARightClickOpensNothing)
{
    click("Label1", Qt::RightButton);
    EXPECT_TRUE(opened.empty());
}

// Run inside the event loop, so that a click that ended the program would end it with 0
// before the test's own end code 7.
TEST_F(FinderWindow, TheTabLikeButtonsDoNothing)
{
    constexpr int kTestsOwnEnd = 7;
    typeIntoModelBox(QStringLiteral("6500s"));
    QTimer::singleShot(0, [this] {
        click("ctlButton3");
        click("ctlButton4");
        QTimer::singleShot(50, [] { QCoreApplication::exit(kTestsOwnEnd); });
    });
    EXPECT_EQ(QCoreApplication::exec(), kTestsOwnEnd);
    EXPECT_EQ(shownPictures(), kPicture2);
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_TRUE(window == form.get() || !window->isVisible());
}

// Exit and X end the program's event loop at once, while the marquee keeps scrolling.
class EndingButton : public FinderWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(EndingButton, EndsTheEventLoop)
{
    const char* name = GetParam();
    auto* display = control<marquee::Display>("Display1");
    std::int16_t positionAtClick = 0;
    QTimer::singleShot(400, [this, name, display, &positionAtClick] {
        positionAtClick = display->scrollPosition();
        click(name);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_GT(positionAtClick, 1) << "the marquee was scrolling";
}

INSTANTIATE_TEST_SUITE_P(ExitAndX, EndingButton, ::testing::Values("ctlButton1", "ctlButton5"));

} // namespace

namespace {

TEST(FontSubstitutes, DesignedFamiliesResolveToShippedOnes)
{
    platform::installFontSubstitutes();
    const std::vector<std::pair<const char*, const char*>> families{
        {"MS Sans Serif", "DejaVu Sans"},
        {"Tahoma", "DejaVu Sans"},
        {"Berlin Sans FB", "Comfortaa"}};
    for (const auto& [designed, shipped] : families)
        EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(designed))).family(),
                  QString::fromLatin1(shipped))
            << designed;
}

} // namespace
