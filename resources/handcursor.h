#pragma once

#include "resources/artwork.h"

#include <QImage>

// The link areas' pointer: a pointing hand, 32 × 32, in black and white on transparent.
namespace artwork {

inline constexpr int kHandCursorSize = 32;

QImage drawHandCursor();

} // namespace artwork
