#pragma once

#include <QString>
#include <cstdint>

// The slice-coordinate text of a button: "W,H,a1,b1,a2,b2,a3,b3", the size in twips the
// state pictures were last built for, then the corner width and height of each state
// picture. Missing numbers read as 0.
namespace button {

// The text for a rebuild at width × height twips: the size in front, the six slice
// numbers kept, every number in plain decimal text (no exponent). A height that is not
// positive gives the 1000 × 300 twips fallback. Raises the overflow error for a number
// too large to read.
QString resizedSkinCords(const QString& cords, float width, float height);

// What one state picture is stretched with, each number rounded to an integer (halves to
// even). Raises the overflow error for a number outside 32 bits.
struct SkinSlice {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t cornerWidth = 0;
    std::int32_t cornerHeight = 0;
};
SkinSlice sliceForState(const QString& cords, int state);

} // namespace button
