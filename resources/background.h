#pragma once

#include <QImage>
#include <QRect>
#include <vector>

// The main window's background: a dark-grey chat-program window whose painted parts lie
// under the working controls.
namespace artwork {

inline constexpr int kBackgroundWidth = 445;
inline constexpr int kBackgroundHeight = 569;

// The horizontal strips from top to bottom; each spans the whole width.
struct BackgroundStrip {
    const char* name;
    int top;
    int bottom; // exclusive
};
const std::vector<BackgroundStrip>& backgroundStrips();

// The painted parts that controls lie over, in window pixels.
namespace painted {
inline constexpr QRect kMinimiseGlyph{354, 8, 25, 17};
inline constexpr QRect kMaximiseGlyph{381, 8, 25, 17};
inline constexpr QRect kCloseGlyph{408, 8, 25, 17};
inline constexpr QRect kLogo{48, 64, 81, 65};
inline constexpr QRect kLeftTab{16, 152, 129, 25};
inline constexpr QRect kRightTab{144, 152, 129, 25};
inline constexpr QRect kInputField{16, 184, 345, 24};
inline constexpr QRect kTitlePanel{16, 216, 417, 153};
inline constexpr QRect kSendField{256, 379, 81, 33};
inline constexpr QRect kDropDown{344, 379, 81, 33};
inline constexpr QRect kForumBanner{16, 430, 409, 61};
inline constexpr QRect kMarqueeWell{16, 512, 416, 22};
} // namespace painted

// Drawn for a device pixel ratio; at 1 the supplied 445 × 569 picture.
QImage drawBackground(qreal ratio = 1.0);

} // namespace artwork
