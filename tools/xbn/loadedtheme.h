#pragma once

#include "platform/picture.h"

#include <QString>
#include <vector>

namespace xbn {

// A theme file as the program's loader reads it, with the corner sizes of its images.
struct LoadedTheme {
    std::vector<platform::PicturePtr> pictures; // element 0 stays empty
    std::vector<int> cornerWidths;              // by image number, like the pictures
    std::vector<int> cornerHeights;

    int imageCount() const { return static_cast<int>(pictures.size()) - 1; }
};

// Loads the theme file with LoadThemeFile. A failed load has already shown the loader's
// message through the message sink and raises an error that is not reported again; a
// missing file or one without images raises a bad-file error.
LoadedTheme loadTheme(const QString& path);

} // namespace xbn
