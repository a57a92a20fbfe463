#pragma once

#include <cstdint>

namespace platform {

// A rectangle of pixels as the blitting routines take it: position and size kept
// exactly as given, a zero or negative size included, with no arithmetic of its own
// that could overflow at extreme positions.
struct PixelRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

} // namespace platform
