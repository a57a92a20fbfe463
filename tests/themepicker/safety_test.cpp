// The page pumps events in several places; a host may close it inside any of them, and
// input that arrives meanwhile must be handled in the order the user gave it.
#include "pagefixture.h"
#include "platform/eventpump.h"

#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

using namespace pickertest;

namespace {

struct ClosingCase {
    const char* what;
    int styles;
    std::int16_t selectedStyle;
    void (*act)(shtStyles& page);
};

class ClosedInsideAPump : public PageTest, public ::testing::WithParamInterface<ClosingCase> {};

// Runs the action once for every pump it passes through, closing the page in a different
// one each time, until the action runs through without the page being closed.
TEST_P(ClosedInsideAPump, NothingTouchesTheClosedPage)
{
    const ClosingCase& c = GetParam();
    addTheme(folders.themes, QStringLiteral("a.xbn"), 3);
    addTheme(folders.themes, QStringLiteral("b.xbn"), 3 * c.styles);
    settings.SaveSetting(QStringLiteral("Plexora"), QStringLiteral("Button Themes"),
                         QStringLiteral("Path"), folders.themes);
    ctlButton& first = addButton(QStringLiteral("first"), {81, 33}, 1, c.selectedStyle);
    addButton(QStringLiteral("second"), {129, 25});

    bool closedEveryTime = true;
    int closeAt = 1;
    for (; closedEveryTime && closeAt < 500; ++closeAt) {
        open();
        int passes = 0;
        const platform::EventPass previous = platform::setEventPass([&] {
            if (++passes == closeAt)
                page.reset();
        });
        c.act(*page);
        platform::setEventPass(previous);
        closedEveryTime = page == nullptr;
        page.reset();
    }
    EXPECT_GT(closeAt, 2) << "the action pumped no events";
    EXPECT_FALSE(closedEveryTime);
    first.Draw(false, 0);
}

void tick(shtStyles& page)
{
    emit page.findChild<platform::Timer*>(QStringLiteral("Timer1"))->tick();
}

void pickSecondFileThenPressStyle(shtStyles& page)
{
    const QPointer<shtStyles> alive(&page);
    File1(page).setListIndex(1);
    if (alive)
        press(page.State1(1));
}

void scrollLastStyleIntoView(shtStyles& page)
{
    const QPointer<shtStyles> alive(&page);
    File1(page).setListIndex(1);
    if (alive)
        page.ScrollStyleIntoView(page.styleCount() - 1);
}

void accessiblePress(shtStyles& page)
{
    const QPointer<shtStyles> alive(&page);
    File1(page).setListIndex(1);
    if (alive)
        page.State1(2)->press();
}

// A pick of the user's in the list, handled from the event loop.
void userPicksSecondFile(shtStyles& page)
{
    File1(page).setCurrentRow(1);
    settle();
}

const ClosingCase kClosingCases[] = {
    {"user picking a file", 6, 0, userPicksSecondFile},
    {"first tick loading and scrolling", 44, 40, tick},
    {"picking a file and pressing a preview", 6, 0, pickSecondFileThenPressStyle},
    {"scrolling a style into view", 44, 0, scrollLastStyleIntoView},
    {"press action of a preview", 6, 0, accessiblePress},
};
INSTANTIATE_TEST_SUITE_P(Pumps, ClosedInsideAPump, ::testing::ValuesIn(kClosingCases),
                         caseName<ClosingCase>);

// Pointer input as the window system delivers it: queued, handled when the event loop or
// a pump takes input.
void queueMouse(QWidget* face, QEvent::Type type, Qt::MouseButtons buttons)
{
    QWindow* window = face->window()->windowHandle();
    const QPointF local = face->mapTo(face->window(), QPointF(5, 5));
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        window, local, face->mapToGlobal(QPointF(5, 5)), buttons, Qt::LeftButton, type);
}

class InputOrder : public PageTest {};

TEST_F(InputOrder, FastPressAndReleaseOnAPreviewActInOrder)
{
    addButton(QStringLiteral("first"), {81, 33});
    addButton(QStringLiteral("second"), {129, 25});
    shtStyles& shown = openTheme(3 * 8);
    QStringList order;
    QObject::connect(&shown, &shtStyles::aboutToApplyStyle, [&] { order << "apply"; });
    QObject::connect(&shown, &shtStyles::styleApplied, [&](int k) {
        order << QStringLiteral("applied, face %1 in front").arg(frontFace(shown, k));
    });
    for (themepicker::StyleFace* face : {shown.State1(6), shown.State2(6), shown.State3(6)})
        QObject::connect(face, &themepicker::StyleFace::released, [&] { order << "release"; });

    queueMouse(shown.State1(6), QEvent::MouseButtonPress, Qt::LeftButton);
    queueMouse(shown.State1(6), QEvent::MouseButtonRelease, Qt::NoButton);
    settle();

    // The pointer arrives first, so the press and the release land on the hover face.
    EXPECT_EQ(order.join(QStringLiteral(" / ")).toStdString(),
              "apply / applied, face 3 in front / release");
    EXPECT_EQ(frontFace(shown, 6), 1);
    EXPECT_EQ(buttons[0]->theme_no(), 6);
    EXPECT_EQ(buttons[1]->theme_no(), 6);
}

} // namespace
