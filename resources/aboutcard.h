#pragma once

#include <QImage>

// The about window's credits card: a light-grey card with a slider phone, a logo badge,
// the maker's name, the product title and its version, and the credit lines.
namespace artwork {

inline constexpr int kAboutCardWidth = 400;
inline constexpr int kAboutCardHeight = 281;

// The card; its only pure black pixels sit in the phone's camera lens, where the
// translucent window lets the desktop show through.
// Drawn for a device pixel ratio, the black pixels covering the same logical pixels.
QImage drawAboutCard(qreal ratio = 1.0);

} // namespace artwork
