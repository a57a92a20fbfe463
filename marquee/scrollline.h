#pragma once

#include <QString>
#include <cstdint>

// Which characters a display of a given number of cells shows: its caption from the
// start when static, or a window onto the scroll text (as many blanks as there are
// cells, then the caption) when scrolling. The scroll position is 1-based.
namespace marquee {

// Positions are 16-bit: a scroll cycle never passes this one.
inline constexpr std::int16_t kLastScrollPosition = 32767;

// The line of exactly `cells` characters: cut to its first `cells`, padded with blanks.
QString staticLine(const QString& caption, int cells);
QString scrollingLine(const QString& caption, int cells, std::int16_t position);

// The position after one scroll step: one further, or back to 1 after the last frame
// of the cycle (caption length plus cells steps). A caption so long that the cycle
// would pass kLastScrollPosition is cut there: the step after that position is 1.
std::int16_t nextScrollPosition(std::int16_t position, qsizetype captionLength, int cells);

} // namespace marquee
