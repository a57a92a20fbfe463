#pragma once

#include "platform/picture.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// Reading theme files: a 12-byte header, then image records found by scanning, each a
// corner height and a corner width in pixels followed by a bitmap file.
namespace basGeneral {

// The most images one theme file may hold; the 1001st ends the load.
inline constexpr int kMaxThemeImages = 1000;

using CornerTable = std::array<std::int32_t, kMaxThemeImages + 1>;

// Corner sizes in pixels of image k of the last loaded theme file. Entries past the
// images of that file keep what earlier loads put there: the tables are never cleared.
extern CornerTable CornerWidth;
extern CornerTable CornerHeight;

// Loads the theme file's images into list from index 1 in file order (index 0 stays
// an empty element) and their corner sizes into the tables. A missing file, a folder or
// a file under 100 bytes loads nothing. A failure ends the load where it is and shows
// the reason in a message box; the call itself never raises.
void LoadThemeFile(QString path, std::vector<platform::PicturePtr>& list);

} // namespace basGeneral
