#pragma once

#include "platform/picture.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

// Windows bitmap files: reading one held in memory into a picture, and writing a
// picture as a 24-bit bitmap file.
namespace platform {

// The most pixels a decoded bitmap may have unless the caller allows fewer: 64 MB of
// 32-bit pixels, far beyond any skin, small enough to refuse a forged header.
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 24;

// The error a file that cannot be opened, read or written raises.
inline constexpr int kErrPathFileAccess = 75;

// The longest side a bitmap may have; the skin stretch works in 16-bit coordinates.
inline constexpr std::int32_t kMaxBitmapSide = 32767;

// Decodes a bitmap file of 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed,
// run-length coded or with bit fields, stored bottom-up or top-down. Bytes past the
// file size the bitmap declares are ignored. The header is checked before anything
// is decoded, so truncated or malformed data, and dimensions above maxPixels, raise
// an invalid-picture error whose description says what is wrong.
PicturePtr LoadPicture(QByteArrayView bytes, std::int64_t maxPixels = kMaxBitmapPixels);

// The picture's pixels as a 24-bit bitmap file.
QByteArray bitmapFileBytes(const Picture& picture);

// Writes the picture as a 24-bit bitmap file, replacing the file only once the whole
// of it is written. Raises an error when the picture holds no bitmap or the file
// cannot be written.
void SavePicture(const Picture& picture, const QString& path);

} // namespace platform
