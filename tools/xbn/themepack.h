#pragma once

#include <QByteArray>
#include <vector>

namespace xbn {

// One image of a theme file: a bitmap file and the corner size that slices it.
struct PackedImage {
    QByteArray bitmap;
    int cornerWidth = 0;
    int cornerHeight = 0;
};

// The bytes of a theme file: the header, then one record per image in order, padded
// with zeros to the size below which the loader reads nothing.
QByteArray themeFileBytes(const std::vector<PackedImage>& images);

} // namespace xbn
