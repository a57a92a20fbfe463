#pragma once

// The preview grid's measures, in twips.
namespace themepicker {

inline constexpr int kViewportWidth = 6720;
inline constexpr int kViewportHeight = 3135;
inline constexpr int kStripWidth = 6375;
inline constexpr int kStripDesignHeight = 3075;

// Element 0 of the faces: its size is every preview's size, its place the first one's.
inline constexpr int kFaceWidth = 1335;
inline constexpr int kFaceHeight = 300;
inline constexpr int kFirstLeft = 120;
inline constexpr int kFirstTop = 120;

inline constexpr int kPreviewGap = 50;
inline constexpr int kPreviewsPerRow = 4;
// Below the last row of a strip taller than the viewport, and added to the scroll range.
inline constexpr int kStripBottomMargin = 150;
inline constexpr int kScrollRangeMargin = 50;
// One step of scrolling a style into view, and one row of the arrow buttons.
inline constexpr int kScrollIntoViewStep = 100;
inline constexpr int kRowStep = kFaceHeight + kPreviewGap;

} // namespace themepicker
