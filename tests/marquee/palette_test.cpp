#include "marquee/ledpalette.h"
#include "platform/colour.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitColor, TakesTheLowBytesOfTheFloorQuotients)
{
    struct Case {
        std::int32_t colour;
        int red, green, blue;
    };
    for (const Case c : {Case{255, 255, 0, 0},
                         {65535, 255, 255, 0},
                         {16711680, 0, 0, 255},
                         {platform::rgbValue(120, 60, 0), 120, 60, 0},
                         {std::int32_t(0x8000000F), 15, 0, 0},
                         {-1, 255, 255, 255},
                         {std::int32_t(0x80FF7F01), 1, 127, 255}}) {
        const marquee::ColorBytes bytes = marquee::SplitColor(c.colour);
        EXPECT_EQ(bytes.red, c.red) << c.colour;
        EXPECT_EQ(bytes.green, c.green) << c.colour;
        EXPECT_EQ(bytes.blue, c.blue) << c.colour;
    }
}

TEST(ByteOrZero, KeepsBytesOnly)
{
    for (const int v : {0, 1, 100, 255})
        EXPECT_EQ(marquee::ByteOrZero(std::int16_t(v)), v);
    for (const int v : {-1, -155, 256, 32767, -32768})
        EXPECT_EQ(marquee::ByteOrZero(std::int16_t(v)), 0);
}

TEST(Recolouring, LitIsTheColourAndUnlitIs155LowerPerComponent)
{
    struct Case {
        const char* what;
        std::int32_t colour;
        QRgb lit;
        QRgb unlit;
    };
    const Case cases[] = {
        {"red", 255, qRgb(255, 0, 0), qRgb(100, 0, 0)},
        {"yellow", 65535, qRgb(255, 255, 0), qRgb(100, 100, 0)},
        {"white", 16777215, qRgb(255, 255, 255), qRgb(100, 100, 100)},
        {"brown, all below 155", platform::rgbValue(120, 60, 0), qRgb(120, 60, 0), qRgb(0, 0, 0)},
        {"black", 0, qRgb(0, 0, 0), qRgb(0, 0, 0)},
        {"a system colour", -2147483633, qRgb(15, 0, 0), qRgb(0, 0, 0)},
    };
    const QImage& source = marquee::sourcePalette();
    for (const Case& c : cases) {
        EXPECT_EQ(marquee::litPixel(c.colour), c.lit) << c.what;
        EXPECT_EQ(marquee::unlitPixel(c.colour), c.unlit) << c.what;
        const QImage palette = marquee::recolouredPalette(source, c.colour);
        ASSERT_EQ(palette.size(), source.size());
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const QRgb from = source.pixel(x, y);
                const QRgb expected = from == marquee::kLitSourcePixel     ? c.lit
                                      : from == marquee::kUnlitSourcePixel ? c.unlit
                                                                           : qRgb(0, 0, 0);
                ASSERT_EQ(palette.pixel(x, y), expected) << c.what << " at " << x << "," << y;
            }
        }
    }
}

TEST(Recolouring, ColoursOtherThanTheTwoDotColoursBecomeBlack)
{
    QImage source(3, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(255, 0, 1));
    source.setPixel(1, 0, qRgb(0, 0, 254));
    source.setPixel(2, 0, qRgb(255, 255, 255));
    const QImage palette = marquee::recolouredPalette(source, 65535);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(palette.pixel(x, 0), qRgb(0, 0, 0));
}

} // namespace
