#pragma once

#include "resources/artwork.h"

#include <QImage>

// The link areas' pointer: a pointing hand, 32 × 32, in black and white on transparent.
namespace artwork {

inline constexpr int kHandCursorSize = 32;

// Drawn for a device pixel ratio; its hot spot stays kHandCursorHotSpot in logical pixels.
QImage drawHandCursor(qreal ratio = 1.0);

} // namespace artwork
