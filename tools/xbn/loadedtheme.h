#pragma once

#include "platform/messagebox.h"
#include "platform/picture.h"

#include <QString>
#include <optional>
#include <vector>

namespace xbn {

// A theme file as the program's loader reads it, with the corner sizes of its images.
struct LoadedTheme {
    std::vector<platform::PicturePtr> pictures; // element 0 stays empty
    std::vector<int> cornerWidths;              // by image number, like the pictures
    std::vector<int> cornerHeights;
    std::optional<platform::Message> failure; // the loader's message, not yet shown

    int imageCount() const { return static_cast<int>(pictures.size()) - 1; }
};

// Loads the theme file with LoadThemeFile as far as the loader gets: a failed load keeps
// the images loaded before the failure and holds the loader's message. A missing file
// raises a bad-file error.
LoadedTheme loadThemeUpToFailure(const QString& path);

// Shows a failed load's message through the message sink and raises an error that is
// not reported again; a whole load without images raises a bad-file error.
void requireWholeTheme(const LoadedTheme& theme, const QString& path);

// A whole theme file: loadThemeUpToFailure, then requireWholeTheme.
LoadedTheme loadTheme(const QString& path);

} // namespace xbn
