#pragma once

#include <cstdint>

// Key codes as the button hands them to its host: the desktop's virtual-key numbers
// (13 Enter, 27 Escape, 65 to 90 the letters, ...), whatever the toolkit calls the key.
namespace button {

inline constexpr std::int16_t kKeyEnter = 13;

// The key code of a Qt key, or 0 for a key that has none.
std::int16_t keyCodeFromQt(int qtKey);

} // namespace button
