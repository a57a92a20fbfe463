#include "marquee/glyphtable.h"
#include "marquee/ledpalette.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

using marquee::GlyphIndex;

TEST(GlyphIndex, MapsCharactersToTheirCells)
{
    struct Case {
        char16_t character;
        int cell;
    };
    for (const Case c :
         {Case{u' ', 0},  {u'0', 1},      {u'9', 10}, {u'a', 11}, {u'A', 11},     {u'z', 36},
          {u'Z', 36},     {u'N', 24},     {u'-', 37}, {u'+', 38}, {u'?', 39},     {u'=', 40},
          {u':', 41},     {u'\'', 42},    {u'.', 43}, {u'!', 44}, {u'$', 45},     {u'%', 46},
          {u'&', 47},     {u'*', 48},     {u'(', 49}, {u')', 50}, {u'\\', 51},    {u'/', 52},
          {u',', 0},      {u'#', 0},      {u';', 0},  {u'"', 0},  {u'\u00e9', 0}, {u'\u00c9', 0},
          {u'\u212a', 0}, {u'\u0130', 0}, {u'\0', 0}, {u'\n', 0}}) {
        EXPECT_EQ(GlyphIndex(QChar(c.character)), c.cell) << int(c.character);
    }
}

// The dot rows of each cell as they appear in the palette, read back pixel by pixel.
// Every dot must be one solid 2 × 2 square and every pixel between dots black.
marquee::GlyphRows decodeCell(const QImage& palette, int cell)
{
    marquee::GlyphRows rows{};
    QSet<QPoint> dotPixels;
    for (int row = 0; row < marquee::kDotRows; ++row) {
        for (int column = 0; column < marquee::kDotColumns; ++column) {
            const int x = marquee::kCellWidth * cell + marquee::dotOffset(column);
            const int y = marquee::dotOffset(row);
            const QRgb colour = palette.pixel(x, y);
            for (const QPoint p :
                 {QPoint(x, y), QPoint(x + 1, y), QPoint(x, y + 1), QPoint(x + 1, y + 1)}) {
                EXPECT_EQ(palette.pixel(p), colour) << "cell " << cell;
                dotPixels.insert(p);
            }
            EXPECT_TRUE(colour == marquee::kLitSourcePixel || colour == marquee::kUnlitSourcePixel)
                << "cell " << cell;
            if (colour == marquee::kLitSourcePixel)
                rows[row] |= std::uint8_t(1 << (marquee::kDotColumns - 1 - column));
        }
    }
    for (int y = 0; y < marquee::kCellHeight; ++y) {
        for (int x = marquee::kCellWidth * cell; x < marquee::kCellWidth * (cell + 1); ++x) {
            if (!dotPixels.contains(QPoint(x, y))) {
                EXPECT_EQ(palette.pixel(x, y), marquee::kBackgroundPixel) << x << "," << y;
            }
        }
    }
    return rows;
}

TEST(SourcePalette, HoldsEveryGlyphOfTheTableInThreeColours)
{
    const QImage& palette = marquee::sourcePalette();
    ASSERT_EQ(palette.size(), QSize(848, 22));
    QSet<QRgb> colours;
    for (int y = 0; y < palette.height(); ++y)
        for (int x = 0; x < palette.width(); ++x)
            colours.insert(palette.pixel(x, y));
    EXPECT_EQ(colours, QSet<QRgb>({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255)}));

    for (int cell = 0; cell < marquee::kGlyphCount; ++cell)
        EXPECT_EQ(decodeCell(palette, cell), marquee::kGlyphs[cell]) << "cell " << cell;
}

// A few shapes drawn by hand, so that a slip in the table itself shows.
TEST(SourcePalette, ShapesReadAsTheirCharacters)
{
    struct Case {
        char16_t character;
        const char* picture; // seven rows of five, '#' lit
    };
    const Case cases[] = {
        {u'A', " ### "
               "#   #"
               "#   #"
               "#####"
               "#   #"
               "#   #"
               "#   #"},
        {u'7', "#####"
               "#   #"
               "    #"
               "   # "
               "   # "
               "  #  "
               "  #  "},
        {u'&', " ##  "
               "#  # "
               "#  # "
               " ## #"
               "# ## "
               "#  # "
               " ## #"},
        {u'\\', "#    "
                " #   "
                " #   "
                "  #  "
                "   # "
                "   # "
                "    #"},
    };
    for (const Case& c : cases) {
        const marquee::GlyphRows rows =
            decodeCell(marquee::sourcePalette(), GlyphIndex(c.character));
        for (int row = 0; row < 7; ++row)
            for (int column = 0; column < 5; ++column)
                EXPECT_EQ((rows[row] >> (4 - column)) & 1, c.picture[row * 5 + column] == '#')
                    << char(c.character) << " row " << row << " column " << column;
    }
}

} // namespace
