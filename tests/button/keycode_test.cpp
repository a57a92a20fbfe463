#include "button/keycode.h"
#include "buttontesting.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

struct KeyCodeCase {
    const char* what;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int code;
};

class KeyCodes : public ::testing::TestWithParam<KeyCodeCase> {};

TEST_P(KeyCodes, AreTheDesktopsVirtualKeyNumbers)
{
    const KeyCodeCase& c = GetParam();
    EXPECT_EQ(button::keyCodeFromQt(c.qtKey, c.modifiers), c.code);
}

constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

INSTANTIATE_TEST_SUITE_P(
    Table, KeyCodes,
    ::testing::Values(KeyCodeCase{"digit 5", Qt::Key_5, kNone, 53},
                      KeyCodeCase{"keypad 0", Qt::Key_0, kKeypad, 96},
                      KeyCodeCase{"keypad 5", Qt::Key_5, kKeypad, 101},
                      KeyCodeCase{"keypad 9", Qt::Key_9, kKeypad, 105},
                      KeyCodeCase{"keypad multiply", Qt::Key_Asterisk, kKeypad, 106},
                      KeyCodeCase{"keypad add", Qt::Key_Plus, kKeypad, 107},
                      KeyCodeCase{"keypad subtract", Qt::Key_Minus, kKeypad, 109},
                      KeyCodeCase{"keypad decimal point", Qt::Key_Period, kKeypad, 110},
                      KeyCodeCase{"keypad decimal comma", Qt::Key_Comma, kKeypad, 110},
                      KeyCodeCase{"keypad divide", Qt::Key_Slash, kKeypad, 111},
                      KeyCodeCase{"keypad enter", Qt::Key_Enter, kKeypad, 13},
                      KeyCodeCase{"return", Qt::Key_Return, kNone, 13},
                      KeyCodeCase{"keypad home without num lock", Qt::Key_Home, kKeypad, 36},
                      KeyCodeCase{"keypad 5 without num lock", Qt::Key_Clear, kKeypad, 12},
                      KeyCodeCase{"F1", Qt::Key_F1, kNone, 112},
                      KeyCodeCase{"F12", Qt::Key_F12, kNone, 123},
                      KeyCodeCase{"F24", Qt::Key_F24, kNone, 135},
                      KeyCodeCase{"letter with shift", Qt::Key_Q, kShift, 81},
                      KeyCodeCase{"exclamation mark on the 1 key", Qt::Key_Exclam, kShift, 49},
                      KeyCodeCase{"right parenthesis on the 0 key", Qt::Key_ParenRight, kShift, 48},
                      KeyCodeCase{"asterisk on the 8 key", Qt::Key_Asterisk, kShift, 56},
                      KeyCodeCase{"semicolon", Qt::Key_Semicolon, kNone, 186},
                      KeyCodeCase{"colon", Qt::Key_Colon, kShift, 186},
                      KeyCodeCase{"equals", Qt::Key_Equal, kNone, 187},
                      KeyCodeCase{"plus on the equals key", Qt::Key_Plus, kShift, 187},
                      KeyCodeCase{"comma", Qt::Key_Comma, kNone, 188},
                      KeyCodeCase{"minus", Qt::Key_Minus, kNone, 189},
                      KeyCodeCase{"full stop", Qt::Key_Period, kNone, 190},
                      KeyCodeCase{"slash", Qt::Key_Slash, kNone, 191},
                      KeyCodeCase{"question mark", Qt::Key_Question, kShift, 191},
                      KeyCodeCase{"grave accent", Qt::Key_QuoteLeft, kNone, 192},
                      KeyCodeCase{"left bracket", Qt::Key_BracketLeft, kNone, 219},
                      KeyCodeCase{"backslash", Qt::Key_Backslash, kNone, 220},
                      KeyCodeCase{"right brace", Qt::Key_BraceRight, kShift, 221},
                      KeyCodeCase{"apostrophe", Qt::Key_Apostrophe, kNone, 222},
                      KeyCodeCase{"a key without a code", Qt::Key_VolumeUp, kNone, 0}),
    [](const auto& p) { return caseName(p.param.what); });

// The host sees the keypad's code; the keypad's Enter still clicks.
TEST(KeypadKeys, ReachTheHostWithTheirOwnCodes)
{
    ButtonFixture f;
    std::vector<int> seen;
    int clicks = 0;
    QObject::connect(&f.button, &ctlButton::KeyDown, [&](qint16& code) { seen.push_back(code); });
    QObject::connect(&f.button, &ctlButton::Click, [&] { ++clicks; });
    for (const int key : {int(Qt::Key_5), int(Qt::Key_Plus), int(Qt::Key_Enter)}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::KeypadModifier);
        QCoreApplication::sendEvent(&f.button, &event);
    }
    EXPECT_EQ(seen, (std::vector<int>{101, 107, 13}));
    EXPECT_EQ(clicks, 1);
}

} // namespace
