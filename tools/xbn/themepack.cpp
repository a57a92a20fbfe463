#include "themepack.h"

#include <QtEndian>
#include <cstdint>

namespace xbn {
namespace {

// Twelve bytes the loader reads past; they name the file for a person looking at it.
constexpr char kHeader[] = "Vantrel XBN\n";
constexpr qsizetype kHeaderSize = 12;
static_assert(sizeof(kHeader) - 1 == kHeaderSize);
constexpr qsizetype kSmallestReadFile = 100;

void appendU32(QByteArray& bytes, std::uint32_t value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

} // namespace

QByteArray themeFileBytes(const std::vector<PackedImage>& images)
{
    QByteArray bytes(kHeader, kHeaderSize);
    for (const PackedImage& image : images) {
        appendU32(bytes, static_cast<std::uint32_t>(image.cornerHeight));
        appendU32(bytes, static_cast<std::uint32_t>(image.cornerWidth));
        bytes += image.bitmap;
    }
    if (bytes.size() < kSmallestReadFile)
        bytes.append(kSmallestReadFile - bytes.size(), '\0');
    return bytes;
}

} // namespace xbn
