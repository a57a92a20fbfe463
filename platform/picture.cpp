#include "platform/picture.h"

#include "platform/units.h"

#include <atomic>

namespace platform {
namespace {

std::uintptr_t nextHandle()
{
    static std::atomic<std::uintptr_t> counter{0};
    return ++counter;
}

} // namespace

Picture::Picture(const QImage& bitmap)
{
    if (bitmap.isNull())
        return;
    m_type = PictureType::Bitmap;
    m_handle = nextHandle();
    m_image = bitmap.format() == QImage::Format_RGB32
                  ? bitmap
                  : bitmap.convertToFormat(QImage::Format_RGB32);
    m_himetricWidth = himetricFromPixels(m_image.width());
    m_himetricHeight = himetricFromPixels(m_image.height());
}

Picture Picture::nonBitmap(PictureType type, std::int32_t himetricWidth,
                           std::int32_t himetricHeight)
{
    Picture picture;
    picture.m_type = type;
    picture.m_handle = type == PictureType::None ? 0 : nextHandle();
    picture.m_himetricWidth = himetricWidth;
    picture.m_himetricHeight = himetricHeight;
    return picture;
}

PicturePtr makePicture(const QImage& bitmap)
{
    return std::make_shared<Picture>(bitmap);
}

} // namespace platform
