#pragma once

#include <cstdint>

// The marquee's sizing rule: its width is a whole number of 16-pixel cells and its
// height one cell, both kept in twips.
namespace marquee {

inline constexpr int kTwipsPerCell = 240;
inline constexpr int kControlHeightTwips = 330;
// The most cells whose width (cells × 240 twips) fits a signed 16-bit value.
inline constexpr std::int16_t kMaxCells = 136;

// The whole cells in a width of twips: the quotient taken to 4 decimal places, then
// its fraction cut off. A negative width has none; a width beyond the most cells
// keeps kMaxCells.
std::int16_t cellsForWidth(int widthTwips);

} // namespace marquee
