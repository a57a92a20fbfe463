#include "platform/bitmapfile.h"

#include "platform/runtimeerror.h"

#include <QBuffer>
#include <QImage>
#include <QSaveFile>
#include <QtEndian>

namespace platform {
namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kMaskOffset = kFileHeaderSize + 40;
constexpr qsizetype kMaskBytes = 12;

enum InfoHeaderSize : std::uint32_t {
    kCoreHeader = 12,
    kInfoHeader = 40,
    kOs2Header = 64,
    kV4Header = 108,
    kV5Header = 124,
};

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

[[noreturn]] void reject(const QString& what)
{
    throw RuntimeError(kErrInvalidPicture, QStringLiteral("Invalid picture: %1").arg(what));
}

std::uint16_t readU16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<std::uint16_t>(bytes.data() + at);
}

std::uint32_t readU32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<std::uint32_t>(bytes.data() + at);
}

// What the headers of a bitmap file declare, read without trusting any of it.
struct BitmapHeader {
    std::uint32_t infoSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t imageSize = 0;
    std::uint32_t coloursUsed = 0;

    bool isCore() const { return infoSize == kCoreHeader; }
    bool isTopDown() const { return height < 0; }
    std::int64_t rows() const { return height < 0 ? -height : height; }
    bool isRunLength() const { return compression == kRle8 || compression == kRle4; }
};

// The part of the data the bitmap declares as its own.
QByteArrayView declaredExtent(QByteArrayView bytes)
{
    if (bytes.size() < kFileHeaderSize + 4)
        reject(QStringLiteral("%1 bytes are too few for a bitmap file").arg(bytes.size()));
    if (bytes[0] != 'B' || bytes[1] != 'M')
        reject(QStringLiteral("the data does not begin with \"BM\""));
    const std::uint32_t fileSize = readU32(bytes, 2);
    if (fileSize == 0)
        return bytes;
    if (std::int64_t{fileSize} > bytes.size())
        reject(QStringLiteral("the bitmap declares %1 bytes but the data holds only %2")
                   .arg(fileSize)
                   .arg(bytes.size()));
    return bytes.first(fileSize);
}

BitmapHeader readHeader(QByteArrayView file)
{
    BitmapHeader header;
    header.infoSize = readU32(file, kFileHeaderSize);
    switch (header.infoSize) {
    case kCoreHeader:
    case kInfoHeader:
    case kOs2Header:
    case kV4Header:
    case kV5Header: break;
    default:
        reject(QStringLiteral("a bitmap header of %1 bytes is not known").arg(header.infoSize));
    }
    if (kFileHeaderSize + std::int64_t{header.infoSize} > file.size())
        reject(QStringLiteral("the bitmap header is cut short"));
    constexpr qsizetype at = kFileHeaderSize + 4;
    if (header.isCore()) {
        header.width = readU16(file, at);
        header.height = readU16(file, at + 2);
        header.planes = readU16(file, at + 4);
        header.bitsPerPixel = readU16(file, at + 6);
        return header;
    }
    header.width = static_cast<std::int32_t>(readU32(file, at));
    header.height = static_cast<std::int32_t>(readU32(file, at + 4));
    header.planes = readU16(file, at + 8);
    header.bitsPerPixel = readU16(file, at + 10);
    header.compression = readU32(file, at + 12);
    header.imageSize = readU32(file, at + 16);
    header.coloursUsed = readU32(file, at + 28);
    return header;
}

void checkFormat(const BitmapHeader& header)
{
    if (header.planes != 1)
        reject(QStringLiteral("the bitmap has %1 colour planes, not 1").arg(header.planes));
    switch (header.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default:
        reject(QStringLiteral("%1 bits per pixel is not a bitmap depth").arg(header.bitsPerPixel));
    }
    const bool fits = header.compression == kRgb ||
                      (header.compression == kRle8 && header.bitsPerPixel == 8) ||
                      (header.compression == kRle4 && header.bitsPerPixel == 4) ||
                      (header.compression == kBitFields && header.infoSize != kOs2Header &&
                       (header.bitsPerPixel == 16 || header.bitsPerPixel == 32));
    if (!fits)
        reject(QStringLiteral("compression %1 does not go with %2 bits per pixel")
                   .arg(header.compression)
                   .arg(header.bitsPerPixel));
    if (header.isTopDown() && header.isRunLength())
        reject(QStringLiteral("a top-down bitmap cannot be run-length coded"));
}

void checkDimensions(const BitmapHeader& header, std::int64_t maxPixels)
{
    const QString size = QStringLiteral("%1 × %2 pixels").arg(header.width).arg(header.height);
    if (header.width <= 0 || header.height == 0)
        reject(QStringLiteral("a bitmap of %1 holds no image").arg(size));
    if (header.width > kMaxBitmapSide || header.rows() > kMaxBitmapSide)
        reject(QStringLiteral("a bitmap of %1 is too large: a side may have at most %2 pixels")
                   .arg(size)
                   .arg(kMaxBitmapSide));
    if (header.width * header.rows() > maxPixels)
        reject(QStringLiteral("a bitmap of %1 is too large: it may have at most %2 pixels")
                   .arg(size)
                   .arg(maxPixels));
}

void checkBitFieldMasks(QByteArrayView file, const BitmapHeader& header)
{
    if (header.compression != kBitFields)
        return;
    if (kMaskOffset + kMaskBytes > file.size())
        reject(QStringLiteral("the bit-field masks are cut short"));
    for (qsizetype at = kMaskOffset; at < kMaskOffset + kMaskBytes; at += 4) {
        if (readU32(file, at) == 0)
            reject(QStringLiteral("a bit-field mask is empty"));
    }
}

// Where the colour table ends, checked against the declared extent.
std::int64_t colourTableEnd(QByteArrayView file, const BitmapHeader& header)
{
    const bool masksFollow = header.infoSize == kInfoHeader && header.compression == kBitFields;
    const std::int64_t headerEnd =
        kFileHeaderSize + header.infoSize + (masksFollow ? kMaskBytes : 0);
    std::int64_t entries = 0;
    if (header.bitsPerPixel <= 8) {
        const std::int64_t most = std::int64_t{1} << header.bitsPerPixel;
        if (header.coloursUsed > most)
            reject(QStringLiteral("%1 palette colours are too many for %2 bits per pixel")
                       .arg(header.coloursUsed)
                       .arg(header.bitsPerPixel));
        entries = header.coloursUsed == 0 ? most : header.coloursUsed;
    }
    const std::int64_t end = headerEnd + entries * (header.isCore() ? 3 : 4);
    if (end > file.size())
        reject(QStringLiteral("the colour table is cut short"));
    return end;
}

void checkPixelData(QByteArrayView file, const BitmapHeader& header, std::int64_t tableEnd)
{
    const std::uint32_t pixelOffset = readU32(file, 10);
    if (pixelOffset < tableEnd || pixelOffset >= file.size())
        reject(QStringLiteral("the pixel data offset %1 lies outside the bitmap").arg(pixelOffset));
    // Run-length coded pixels have no size of their own but the one the header may give.
    const std::int64_t stride = (header.width * header.bitsPerPixel + 31) / 32 * 4;
    const std::int64_t needed =
        pixelOffset + (header.isRunLength() ? header.imageSize : stride * header.rows());
    if (needed > file.size())
        reject(QStringLiteral("the pixel data needs %1 bytes but the bitmap holds %2")
                   .arg(needed)
                   .arg(file.size()));
}

} // namespace

PicturePtr LoadPicture(QByteArrayView bytes, std::int64_t maxPixels)
{
    const QByteArrayView file = declaredExtent(bytes);
    const BitmapHeader header = readHeader(file);
    checkFormat(header);
    checkDimensions(header, maxPixels);
    checkBitFieldMasks(file, header);
    checkPixelData(file, header, colourTableEnd(file, header));

    QImage image;
    if (!image.loadFromData(file, "BMP") || image.isNull())
        reject(QStringLiteral("the bitmap's pixels cannot be decoded"));
    return makePicture(image);
}

QByteArray bitmapFileBytes(const Picture& picture)
{
    if (picture.type() != PictureType::Bitmap || picture.image().isNull())
        throw RuntimeError(kErrInvalidPicture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes 32-bit RGB pixels as a 24-bit bitmap.
    picture.image().convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

void SavePicture(const Picture& picture, const QString& path)
{
    const QByteArray bytes = bitmapFileBytes(picture);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw RuntimeError(
            kErrPathFileAccess,
            QStringLiteral("Path/File access error: %1: %2").arg(path, file.errorString()));
}

} // namespace platform
