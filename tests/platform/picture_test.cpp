#include "platform/picture.h"

#include <gtest/gtest.h>

namespace {

using platform::Picture;
using platform::PictureType;

TEST(Picture, EmptyPictureHasNoHandleAndNoSize)
{
    const Picture empty;
    EXPECT_EQ(empty.type(), PictureType::None);
    EXPECT_EQ(empty.handle(), 0u);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.himetricWidth(), 0);
    EXPECT_TRUE(Picture(QImage()).isEmpty());
}

TEST(Picture, BitmapReportsItsHimetricSizeAt96Dpi)
{
    const Picture bitmap(QImage(129, 25, QImage::Format_RGB888));
    EXPECT_EQ(bitmap.type(), PictureType::Bitmap);
    EXPECT_NE(bitmap.handle(), 0u);
    EXPECT_EQ(bitmap.himetricWidth(), 3413);
    EXPECT_EQ(bitmap.himetricHeight(), 661);
    EXPECT_EQ(bitmap.image().format(), QImage::Format_RGB32);
}

TEST(Picture, EachBitmapHasItsOwnHandle)
{
    const Picture a(QImage(1, 1, QImage::Format_RGB32));
    const Picture b(QImage(1, 1, QImage::Format_RGB32));
    EXPECT_NE(a.handle(), b.handle());
}

} // namespace
