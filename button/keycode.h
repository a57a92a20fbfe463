#pragma once

#include <Qt>
#include <cstdint>

// Key codes as the button hands them to its host: the desktop's virtual-key numbers
// (13 Enter, 27 Escape, 65 to 90 the letters, 96 to 105 the keypad digits, ...), whatever
// the toolkit calls the key. Punctuation keys get the codes of their place on a US
// keyboard, whichever of the key's two characters was typed.
namespace button {

inline constexpr std::int16_t kKeyEnter = 13;

// The key code of a Qt key, or 0 for a key that has none. The keypad modifier tells the
// keypad's digits and operators from the main keyboard's.
std::int16_t keyCodeFromQt(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace button
