#include "button/keycode.h"

#include <array>
#include <utility>

namespace button {
namespace {

using KeyCode = std::pair<int, std::int16_t>;

constexpr std::int16_t kKeypadZero = 96;
constexpr std::int16_t kFirstFunctionKey = 112; // F1

// With the keypad's Num Lock off its keys arrive as the cursor keys they stand for and
// take the codes below.
constexpr auto kKeypadKeys = std::to_array<KeyCode>({
    {Qt::Key_Asterisk, 106}, // multiply
    {Qt::Key_Plus, 107},     // add
    {Qt::Key_Minus, 109},    // subtract
    {Qt::Key_Period, 110},   // decimal point
    {Qt::Key_Comma, 110},    // the decimal point of keypads made for a decimal comma
    {Qt::Key_Slash, 111},    // divide
});

constexpr auto kNamedKeys = std::to_array<KeyCode>({
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},
    {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    // The digit keys' shifted characters keep the digit's code.
    {Qt::Key_ParenRight, '0'},
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    // Punctuation, both characters of each key.
    {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},
    {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},
    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192},
    {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
});

template <std::size_t N>
std::int16_t lookUp(const std::array<KeyCode, N>& table, int qtKey, std::int16_t otherwise)
{
    for (const auto& [key, code] : table)
        if (key == qtKey)
            return code;
    return otherwise;
}

bool isDigit(int qtKey)
{
    return qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9;
}

} // namespace

std::int16_t keyCodeFromQt(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (isDigit(qtKey))
            return static_cast<std::int16_t>(kKeypadZero + (qtKey - Qt::Key_0));
        if (const std::int16_t code = lookUp(kKeypadKeys, qtKey, 0))
            return code;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || isDigit(qtKey))
        return static_cast<std::int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::int16_t>(kFirstFunctionKey + (qtKey - Qt::Key_F1));
    return lookUp(kNamedKeys, qtKey, 0);
}

} // namespace button
