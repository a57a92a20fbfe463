#pragma once

#include <QChar>
#include <array>
#include <cstdint>

// The LED glyphs: 53 cells of 5 × 7 dots, each dot a 2 × 2 pixel square in a
// 16 × 22 pixel cell, and the mapping from text characters to cells.
namespace marquee {

inline constexpr int kCellWidth = 16;
inline constexpr int kCellHeight = 22;
inline constexpr int kDotColumns = 5;
inline constexpr int kDotRows = 7;
inline constexpr int kGlyphCount = 53;

// The seven dot rows of a glyph from the top, bit 4 the leftmost dot; a set bit is lit.
using GlyphRows = std::array<std::uint8_t, kDotRows>;

extern const std::array<GlyphRows, kGlyphCount> kGlyphs;

// The pixel offset within a cell of dot column c or dot row r: dots sit at 1 + 3k,
// leaving one background pixel around and between them.
constexpr int dotOffset(int index)
{
    return 1 + 3 * index;
}

// The cell of a character: capitals and small letters alike; every character without
// a glyph (",", "#", accented letters, ...) gets cell 0, the blank.
std::int16_t GlyphIndex(QChar character);

} // namespace marquee
