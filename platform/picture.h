#pragma once

#include <QImage>
#include <cstdint>
#include <memory>

namespace platform {

// What a picture holds; only bitmaps carry pixels the skin code can copy.
enum class PictureType : std::int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3 };

// A picture object: a bitmap (or a placeholder of another type) that reports its
// type, its bitmap handle (0 for an empty picture) and its size in HIMETRIC at
// 96 dots per inch. Controls share pictures through PicturePtr; a null PicturePtr
// is "no picture object at all", which is not the same as an empty picture.
class Picture {
public:
    // An empty picture: type None, handle 0, size 0 × 0.
    Picture() = default;

    // A bitmap picture of the image's pixels, kept as 32-bit RGB.
    explicit Picture(const QImage& bitmap);

    // A picture of a kind that has no copyable bitmap (an icon or a metafile), which
    // still has a size to lay out.
    static Picture nonBitmap(PictureType type, std::int32_t himetricWidth,
                             std::int32_t himetricHeight);

    PictureType type() const { return m_type; }
    std::uintptr_t handle() const { return m_handle; }
    bool isEmpty() const { return m_handle == 0; }

    std::int32_t himetricWidth() const { return m_himetricWidth; }
    std::int32_t himetricHeight() const { return m_himetricHeight; }

    // The bitmap's pixels (a null image unless the type is Bitmap).
    const QImage& image() const { return m_image; }

private:
    PictureType m_type = PictureType::None;
    std::uintptr_t m_handle = 0;
    std::int32_t m_himetricWidth = 0;
    std::int32_t m_himetricHeight = 0;
    QImage m_image;
};

using PicturePtr = std::shared_ptr<Picture>;

// A shared bitmap picture of the image, or an empty picture for a null image.
PicturePtr makePicture(const QImage& bitmap);

} // namespace platform
