#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>

// Hand-made bitmap and theme file bytes for the tests.
namespace themetest {

void putU16(QByteArray& bytes, qsizetype at, std::uint16_t value);
void putU32(QByteArray& bytes, qsizetype at, std::uint32_t value);

// A bitmap file with a 40-byte or longer information header (or a 12-byte core
// header), followed by colour table or masks, then the pixel bytes as given.
struct BitmapParts {
    std::uint32_t infoSize = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t compression = 0;
    QByteArray tableOrMasks;
    QByteArray pixels;
};
QByteArray bitmapFile(const BitmapParts& parts);

// Qt's own bitmap file of the image (24-bit for 32-bit pixels, 1, 4 or 8 bits for an
// indexed image).
QByteArray qtBitmapFile(const QImage& image);

// A w × h 24-bit bitmap file whose pixels follow a simple pattern seeded by seed. Only
// red reaches the values of 'B' and 'M', so the pixels never hold the pair "BM".
QByteArray patternBitmap(int w, int h, int seed);

// The image patternBitmap encodes.
QImage patternImage(int w, int h, int seed);

// An image record: corner height, corner width, then the bitmap file.
QByteArray record(std::uint32_t cornerHeight, std::uint32_t cornerWidth, const QByteArray& bitmap);

// A theme file: a 12-byte header and the data.
QByteArray themeFile(const QByteArray& data);

} // namespace themetest
