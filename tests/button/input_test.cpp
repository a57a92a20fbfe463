#include "buttontesting.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// One thing that happens to the button. Positions are in pixels; 100 × 30 pixels is
// 1500 × 450 twips.
struct Step {
    enum Kind { Move, Press, Release, TickOver, TickElsewhere } kind;
    Qt::MouseButton mouse = Qt::LeftButton;
    QPointF at = {50, 15};
};

Step move()
{
    return {Step::Move};
}
Step press(Qt::MouseButton b = Qt::LeftButton)
{
    return {Step::Press, b};
}
Step release(QPointF at = {50, 15}, Qt::MouseButton b = Qt::LeftButton)
{
    return {Step::Release, b, at};
}
Step tickOver()
{
    return {Step::TickOver};
}
Step tickElsewhere()
{
    return {Step::TickElsewhere};
}

void sendMouse(ctlButton& button, QEvent::Type type, Qt::MouseButton which, QPointF at)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(which) : Qt::NoButton;
    QMouseEvent event(type, at, button.mapToGlobal(at), which, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &event);
}

void run(ButtonFixture& f, const Step& step)
{
    switch (step.kind) {
    case Step::Move: sendMouse(f.button, QEvent::MouseMove, Qt::NoButton, step.at); break;
    case Step::Press: sendMouse(f.button, QEvent::MouseButtonPress, step.mouse, step.at); break;
    case Step::Release: sendMouse(f.button, QEvent::MouseButtonRelease, step.mouse, step.at); break;
    case Step::TickOver:
        f.pointerOverButton = true;
        f.button.tmr_focus_Timer();
        break;
    case Step::TickElsewhere:
        f.pointerOverButton = false;
        f.button.tmr_focus_Timer();
        break;
    }
}

struct TransitionCase {
    const char* what;
    bool toolbarMode;
    std::vector<Step> steps;
    int faceState;
    int clicks;
    bool polling;
};

class Transitions : public ::testing::TestWithParam<TransitionCase> {};

TEST_P(Transitions, FollowThePointer)
{
    const TransitionCase& c = GetParam();
    ButtonFixture f;
    f.button.setToolbarMode(c.toolbarMode);
    int clicks = 0;
    QObject::connect(&f.button, &ctlButton::Click, [&] { ++clicks; });
    for (const Step& step : c.steps)
        run(f, step);
    EXPECT_EQ(f.button.FaceState(), c.faceState);
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_EQ(f.button.isPolling(), c.polling);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Transitions,
    ::testing::Values(
        TransitionCase{"move hovers", false, {move()}, 1, 0, true},
        TransitionCase{
            "hover survives a tick over the button", false, {move(), tickOver()}, 1, 0, true},
        TransitionCase{
            "hover ends on a tick elsewhere", false, {move(), tickElsewhere()}, 0, 0, false},
        TransitionCase{"left press", false, {move(), press()}, 2, 0, false},
        TransitionCase{"press without hover first", false, {press()}, 2, 0, false},
        TransitionCase{"release inside clicks", false, {move(), press(), release()}, 1, 1, true},
        TransitionCase{"release outside keeps pressed",
                       false,
                       {move(), press(), release({150, 15})},
                       2,
                       0,
                       true},
        TransitionCase{"release outside then tick elsewhere",
                       false,
                       {move(), press(), release({150, 15}), tickElsewhere()},
                       0,
                       0,
                       false},
        TransitionCase{"release on the left edge", false, {press(), release({0, 15})}, 2, 0, true},
        TransitionCase{"release on the top edge", false, {press(), release({50, 0})}, 2, 0, true},
        TransitionCase{"release on the left edge stays pressed while over",
                       false,
                       {press(), release({0, 15}), tickOver()},
                       2,
                       0,
                       true},
        TransitionCase{
            "release just inside the corner", false, {press(), release({0.5, 0.5})}, 1, 1, true},
        TransitionCase{
            "release on the right edge", false, {press(), release({100, 15})}, 2, 0, true},
        TransitionCase{"right press changes nothing", false, {press(Qt::RightButton)}, 0, 0, false},
        TransitionCase{
            "right press while hovering", false, {move(), press(Qt::RightButton)}, 1, 0, true},
        TransitionCase{"right release after a left press",
                       false,
                       {press(), release({50, 15}, Qt::RightButton)},
                       2,
                       0,
                       true},
        TransitionCase{"move while pressed", false, {press(), move()}, 2, 0, false},
        TransitionCase{
            "toolbar mode ignores the pointer", true, {move(), press(), release()}, 0, 0, false}),
    [](const auto& p) { return caseName(p.param.what); });

struct KeyCase {
    const char* what;
    int qtKey;
    int hostSets; // -1: the host leaves the code alone
    bool toolbarMode;
    int codeSeen;
    int clicks;
};

class Keys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Keys, RaiseKeyDownThenClickOnEnter)
{
    const KeyCase& c = GetParam();
    ButtonFixture f;
    f.button.setToolbarMode(c.toolbarMode);
    int clicks = 0;
    int seen = -1;
    QObject::connect(&f.button, &ctlButton::Click, [&] { ++clicks; });
    QObject::connect(&f.button, &ctlButton::KeyDown, [&](qint16& keyCode) {
        seen = keyCode;
        if (c.hostSets >= 0)
            keyCode = static_cast<qint16>(c.hostSets);
    });
    QKeyEvent event(QEvent::KeyPress, c.qtKey, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.button, &event);
    EXPECT_EQ(seen, c.codeSeen);
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_EQ(f.button.FaceState(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Keys,
    ::testing::Values(KeyCase{"enter clicks", Qt::Key_Return, -1, false, 13, 1},
                      KeyCase{"keypad enter clicks", Qt::Key_Enter, -1, false, 13, 1},
                      KeyCase{"host suppresses enter", Qt::Key_Return, 0, false, 13, 0},
                      KeyCase{"host turns a letter into enter", Qt::Key_A, 13, false, 65, 1},
                      KeyCase{"a letter does not click", Qt::Key_A, -1, false, 65, 0},
                      KeyCase{"escape", Qt::Key_Escape, -1, false, 27, 0},
                      KeyCase{"function key", Qt::Key_F5, -1, false, 116, 0},
                      KeyCase{"toolbar mode still clicks on enter", Qt::Key_Return, -1, true, 13,
                              1}),
    [](const auto& p) { return caseName(p.param.what); });

TEST(DisabledButton, GetsNoPointerOrKeyInput)
{
    ButtonFixture f;
    f.button.setEnabled(false);
    int clicks = 0, keys = 0;
    QObject::connect(&f.button, &ctlButton::Click, [&] { ++clicks; });
    QObject::connect(&f.button, &ctlButton::KeyDown, [&](qint16&) { ++keys; });
    run(f, move());
    run(f, press());
    run(f, release());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&f.button, &enter);
    EXPECT_EQ(f.button.FaceState(), 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(keys, 0);
}

// Everything that redraws the normal face, tried on a hovering button.
TEST(NormalFace, IsRedrawnOnFocusShowAmbientChangeHitTestAndResize)
{
    ButtonFixture f;
    const std::vector<std::pair<const char*, std::function<void()>>> redraws{
        {"focus in",
         [&] {
             QFocusEvent event(QEvent::FocusIn);
             QCoreApplication::sendEvent(&f.button, &event);
         }},
        {"focus out",
         [&] {
             QFocusEvent event(QEvent::FocusOut);
             QCoreApplication::sendEvent(&f.button, &event);
         }},
        {"show",
         [&] {
             f.button.hide();
             f.button.show();
         }},
        {"ambient change", [&] { f.button.AmbientChanged(QStringLiteral("Font")); }},
        {"hit test",
         [&] {
             int hit = 3;
             f.button.HitTest(5, 5, hit);
             EXPECT_EQ(hit, 3);
         }},
        {"resize", [&] { f.button.resize(120, 40); }},
    };
    for (const auto& [what, redraw] : redraws) {
        run(f, move());
        ASSERT_EQ(f.button.FaceState(), 1) << what;
        redraw();
        EXPECT_EQ(f.button.FaceState(), 0) << what;
    }
}

} // namespace
