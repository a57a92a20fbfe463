#include "buttontesting.h"
#include "support/queuedinput.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A window with a line edit that holds the focus and a button below it, fed through the
// window system's queue. The button pumps events when it draws (its busy guard), and it
// draws on focus, on the pointer's arrival and on every press and release.
class QueuedInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(200, 100);
        edit->setGeometry(0, 0, 100, 30);
        button->setGeometry(0, 50, 100, 30);
        button->setPointerQuery([this] { return button; });
        QObject::connect(button, &ctlButton::Click, [this] { ++clicks; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
    }

    // Handles everything queued, as the event loop does between two of the user's moves.
    static void handleQueued()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    QWindow* queue() { return window.windowHandle(); }

    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    ctlButton* button = new ctlButton(&window);
    int clicks = 0;
};

const QPoint kOnButton{50, 65};

struct Case {
    const char* what;
    bool buttonFocusedFirst;
    std::vector<std::function<void(QWindow*)>> queued;
    int clicks;
};

class QueuedTogether : public QueuedInput, public ::testing::WithParamInterface<Case> {};

TEST_P(QueuedTogether, AreHandledInOrderAndNoneIsLost)
{
    const Case& c = GetParam();
    if (c.buttonFocusedFirst) {
        button->setFocus();
        handleQueued();
        ASSERT_TRUE(button->hasFocus());
    }
    for (const auto& step : c.queued)
        step(queue());
    handleQueued();
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_TRUE(button->hasFocus());
    EXPECT_NE(button->FaceState(), 2) << "the face is left pressed";
}

auto moveOnto()
{
    return [](QWindow* w) { queuedinput::move(w, kOnButton); };
}
auto clickOn()
{
    return [](QWindow* w) { queuedinput::click(w, kOnButton); };
}
auto tap(Qt::Key key)
{
    return [key](QWindow* w) { queuedinput::tap(w, key); };
}

INSTANTIATE_TEST_SUITE_P(
    Table, QueuedTogether,
    ::testing::Values(
        Case{"press and release on an unfocused button", false, {clickOn()}, 1},
        Case{"the pointer arrives and clicks at once", false, {moveOnto(), clickOn()}, 1},
        Case{"two quick clicks", false, {clickOn(), clickOn()}, 2},
        Case{"a quick click on the focused button", true, {moveOnto(), clickOn()}, 1},
        Case{"Enter pressed and released on the focused button", true, {tap(Qt::Key_Return)}, 1},
        Case{"Tab onto the button, then Enter", false, {tap(Qt::Key_Tab), tap(Qt::Key_Return)}, 1}),
    [](const auto& p) { return caseName(p.param.what); });

// A pass of the button's own pumping leaves the waiting input alone; timers and posted
// events still run in it.
TEST_F(QueuedInput, PumpingRunsPostedEventsButLeavesInputQueued)
{
    bool posted = false;
    QMetaObject::invokeMethod(
        button, [&] { posted = true; }, Qt::QueuedConnection);
    queuedinput::click(queue(), kOnButton);
    button->Draw(false, 0);
    EXPECT_TRUE(posted);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(edit->hasFocus());
    handleQueued();
    EXPECT_EQ(clicks, 1);
}

} // namespace
