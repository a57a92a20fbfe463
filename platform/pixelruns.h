#pragma once

#include <QRgb>
#include <QtGlobal>
#include <cstdint>
#include <cstring>

// Runs of 32-bit pixels, handled four at a time in the processor's vector registers
// at every optimisation level: filling with one colour and the keyed copy.
namespace platform {

inline constexpr QRgb kRgbBits = 0x00FFFFFF;
inline constexpr QRgb kOpaqueBits = 0xFF000000;

using PixelBlock = std::uint32_t __attribute__((vector_size(16)));
inline constexpr qsizetype kBlockPixels = sizeof(PixelBlock) / sizeof(QRgb);

inline PixelBlock loadBlock(const QRgb* from)
{
    PixelBlock block;
    std::memcpy(&block, from, sizeof block);
    return block;
}

inline void storeBlock(QRgb* to, PixelBlock block)
{
    std::memcpy(to, &block, sizeof block);
}

inline void fillRun(QRgb* to, qsizetype count, QRgb pixel)
{
    const PixelBlock block = PixelBlock{} + pixel;
    qsizetype i = 0;
    for (; i + kBlockPixels <= count; i += kBlockPixels)
        storeBlock(to + i, block);
    for (; i < count; ++i)
        to[i] = pixel;
}

// Copies every pixel whose colour differs from the key (given without its top byte),
// made opaque; a key-coloured pixel leaves the destination pixel as it was.
inline void copyUnkeyedRun(QRgb* to, const QRgb* from, qsizetype count, QRgb key)
{
    qsizetype i = 0;
    for (; i + kBlockPixels <= count; i += kBlockPixels) {
        const PixelBlock pixels = loadBlock(from + i);
        const auto keyed = PixelBlock((pixels & kRgbBits) == key);
        storeBlock(to + i, (loadBlock(to + i) & keyed) | ((pixels | kOpaqueBits) & ~keyed));
    }
    for (; i < count; ++i) {
        if ((from[i] & kRgbBits) != key)
            to[i] = from[i] | kOpaqueBits;
    }
}

} // namespace platform
