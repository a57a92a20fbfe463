#include "themebytes.h"

#include <QBuffer>
#include <QtEndian>

namespace themetest {

void putU16(QByteArray& bytes, qsizetype at, std::uint16_t value)
{
    qToLittleEndian(value, bytes.data() + at);
}

void putU32(QByteArray& bytes, qsizetype at, std::uint32_t value)
{
    qToLittleEndian(value, bytes.data() + at);
}

QByteArray bitmapFile(const BitmapParts& parts)
{
    const qsizetype pixelOffset = 14 + parts.infoSize + parts.tableOrMasks.size();
    QByteArray bytes(pixelOffset, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putU32(bytes, 10, static_cast<std::uint32_t>(pixelOffset));
    putU32(bytes, 14, parts.infoSize);
    if (parts.infoSize == 12) {
        putU16(bytes, 18, static_cast<std::uint16_t>(parts.width));
        putU16(bytes, 20, static_cast<std::uint16_t>(parts.height));
        putU16(bytes, 22, 1);
        putU16(bytes, 24, parts.bitsPerPixel);
    } else {
        putU32(bytes, 18, static_cast<std::uint32_t>(parts.width));
        putU32(bytes, 22, static_cast<std::uint32_t>(parts.height));
        putU16(bytes, 26, 1);
        putU16(bytes, 28, parts.bitsPerPixel);
        putU32(bytes, 30, parts.compression);
        putU32(bytes, 34, static_cast<std::uint32_t>(parts.pixels.size()));
    }
    bytes.replace(14 + parts.infoSize, parts.tableOrMasks.size(), parts.tableOrMasks);
    bytes += parts.pixels;
    putU32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    return bytes;
}

QByteArray qtBitmapFile(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QImage patternImage(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.setPixel(
                x, y,
                qRgb((x * 37 + seed) & 0xFF, (y * 11 + seed * 3) & 0x3F, (x + y + seed) & 0x3F));
    }
    return image;
}

QByteArray patternBitmap(int w, int h, int seed)
{
    return qtBitmapFile(patternImage(w, h, seed));
}

QByteArray record(std::uint32_t cornerHeight, std::uint32_t cornerWidth, const QByteArray& bitmap)
{
    QByteArray bytes(8, '\0');
    putU32(bytes, 0, cornerHeight);
    putU32(bytes, 4, cornerWidth);
    return bytes + bitmap;
}

QByteArray themeFile(const QByteArray& data)
{
    return QByteArray("test theme\r\n", 12) + data;
}

} // namespace themetest
