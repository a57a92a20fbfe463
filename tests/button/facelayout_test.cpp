#include "button/captionlabel.h"
#include "button/facelayout.h"
#include "buttontesting.h"

#include <gtest/gtest.h>
#include <ostream>

using button::FaceArrangement;
using button::FaceInput;
using button::FaceLayout;

namespace {

// Every character 100 twips wide, every caption 195 twips high.
QSizeF measure(const QString& text)
{
    return QSizeF(100.0 * double(text.size()), 195.0);
}

struct LayoutCase {
    const char* what;
    FaceInput input;
    FaceArrangement arrangement;
    QString shown;
    QPointF captionAt;
    QPoint pictureAt;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const LayoutCase& c, std::ostream* os)
{
    *os << c.what;
}

FaceInput noPicture(double w, double h, const char* caption, bool down = false)
{
    return {w, h, false, 0, 0, QString::fromLatin1(caption), down};
}

FaceInput withPicture(double w, double h, double picW, double picH, const char* caption,
                      bool down = false)
{
    return {w, h, true, picW, picH, QString::fromLatin1(caption), down};
}

class FaceLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(FaceLayoutTable, PlacesAndFitsTheCaption)
{
    const LayoutCase& c = GetParam();
    const FaceLayout layout = button::layoutFace(c.input, measure);
    EXPECT_EQ(layout.arrangement, c.arrangement);
    EXPECT_EQ(layout.shownCaption, c.shown);
    EXPECT_DOUBLE_EQ(layout.captionAt.x(), c.captionAt.x());
    EXPECT_DOUBLE_EQ(layout.captionAt.y(), c.captionAt.y());
    if (c.input.hasPicture) {
        EXPECT_EQ(layout.pictureAt, c.pictureAt);
    }
}

// Picture 240 × 240 twips (16 pixels); label height 195.
INSTANTIATE_TEST_SUITE_P(
    Arrangements, FaceLayoutTable,
    ::testing::Values(
        LayoutCase{"centred caption",
                   noPicture(1500, 450, "Hello"),
                   FaceArrangement::CaptionOnly,
                   "Hello",
                   {500, 127.5},
                   {}},
        LayoutCase{"centred caption pressed",
                   noPicture(1500, 450, "Hello", true),
                   FaceArrangement::CaptionOnly,
                   "Hello",
                   {510, 142.5},
                   {}},
        // room 350: drop leading characters until 3 of 300 twips fit
        LayoutCase{"too wide without picture",
                   noPicture(500, 450, "ABCDEFGH"),
                   FaceArrangement::CaptionOnly,
                   "...FGH",
                   {-50, 127.5},
                   {}},
        LayoutCase{"three characters never shortened",
                   noPicture(200, 450, "ABC"),
                   FaceArrangement::CaptionOnly,
                   "ABC",
                   {-50, 127.5},
                   {}},
        LayoutCase{"four characters keep three",
                   noPicture(200, 450, "ABCD"),
                   FaceArrangement::CaptionOnly,
                   "...BCD",
                   {-200, 127.5},
                   {}},
        LayoutCase{"fits exactly",
                   noPicture(650, 450, "Hello"),
                   FaceArrangement::CaptionOnly,
                   "Hello",
                   {75, 127.5},
                   {}},
        LayoutCase{"empty caption",
                   noPicture(1500, 450, ""),
                   FaceArrangement::CaptionOnly,
                   "",
                   {750, 127.5},
                   {}},
        // 195 + 240 + 200 > 450: side by side, room 1500 - 450 - 240 = 810
        LayoutCase{"side by side",
                   withPicture(1500, 450, 240, 240, "Hello"),
                   FaceArrangement::SideBySide,
                   "Hello",
                   {620, 127.5},
                   {10, 7}},
        LayoutCase{"side by side pressed",
                   withPicture(1500, 450, 240, 240, "Hello", true),
                   FaceArrangement::SideBySide,
                   "Hello",
                   {630, 142.5},
                   {10, 9}},
        // room 1000 - 450 - 240 = 310: down to 3 characters
        LayoutCase{"side by side shortened",
                   withPicture(1000, 450, 240, 240, "Hello"),
                   FaceArrangement::SideBySide,
                   "...llo",
                   {320, 127.5},
                   {10, 7}},
        // 195 + 240 + 200 = 635 <= 900: stacked; picture top (900 - 465) / 2 / 15 = 14.5 -> 14
        LayoutCase{"stacked",
                   withPicture(1500, 900, 240, 240, "Hello"),
                   FaceArrangement::Stacked,
                   "Hello",
                   {500, 553.75},
                   {42, 14}},
        // x: (630 + 2) / 15 = 42.13 -> 42; y: 14.5 + 2 = 16.5 -> 16
        LayoutCase{"stacked pressed",
                   withPicture(1500, 900, 240, 240, "Hello", true),
                   FaceArrangement::Stacked,
                   "Hello",
                   {510, 568.75},
                   {42, 16}},
        LayoutCase{"narrow stacked down to one character",
                   withPicture(200, 900, 240, 240, "Hello"),
                   FaceArrangement::Stacked,
                   "...o",
                   {-100, 553.75},
                   {-1, 14}},
        LayoutCase{"stacked with one character",
                   withPicture(200, 900, 240, 240, "H"),
                   FaceArrangement::Stacked,
                   "H",
                   {50, 553.75},
                   {-1, 14}},
        // ((1500 - 20) - 240) / 2 / 15 = 41.33 -> 41
        LayoutCase{"picture without caption",
                   withPicture(1500, 450, 240, 240, ""),
                   FaceArrangement::PictureOnly,
                   "",
                   {750, 127.5},
                   {41, 7}},
        LayoutCase{"picture without caption pressed",
                   withPicture(1500, 450, 240, 240, "", true),
                   FaceArrangement::PictureOnly,
                   "",
                   {760, 142.5},
                   {41, 9}}),
    [](const auto& p) { return caseName(p.param.what); });

TEST(FaceLayout, MeasuresTheCaptionAfterEachDroppedCharacter)
{
    // Narrow letters at the end: a width that depends on the characters, not their count.
    const auto uneven = [](const QString& text) {
        double width = 0;
        for (QChar ch : text)
            width += ch == u'i' ? 20 : 200;
        return QSizeF(width, 195);
    };
    const FaceLayout layout = button::layoutFace(noPicture(700, 450, "WWWiiiii"), uneven);
    // 550 of room: "WWWiiiii" is 700 wide, "WWiiiii" 500.
    EXPECT_EQ(layout.shownCaption, "...WWiiiii");
}

// The shortening as the face describes it: drop the first character and measure again,
// until the caption fits or is as short as it may get.
QString droppingOneAtATime(const QString& caption, double room, qsizetype shortest,
                           const button::CaptionMeasure& measure)
{
    QString kept = caption;
    while (!kept.isEmpty() && kept.size() > shortest && room < measure(kept).width())
        kept.remove(0, 1);
    return kept == caption ? kept : QStringLiteral("...") + kept;
}

// Captions in a real font, where kerning, ligatures, joined and combined letters make a
// caption's width differ from the sum of its characters'.
TEST(FaceLayout, KeepsTheTailThatDroppingOneCharacterAtATimeKeeps)
{
    CaptionLabel label;
    label.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    const button::CaptionMeasure real = [&](const QString& text) {
        return QSizeF(label.extentTwips(text));
    };
    const QStringList captions{
        QStringLiteral("Exit"),
        QStringLiteral("Select Model Number"),
        QStringLiteral("AVAVAVAVAV To Wo Ty LT AV"),
        QStringLiteral("WWWWWWWWiiiiiiiiiWWWWW"),
        QStringLiteral("office fluffy affine \uFB01\uFB02"),
        QStringLiteral("e\u0301e\u0301e\u0301 caf\u00E9 n\u0303"),
        QStringLiteral("\u65E5\u672C\u8A9E\u306E\u30AD\u30E3\u30D7\u30B7\u30E7\u30F3"),
        QStringLiteral("\U0001F600\U0001F600 emoji \U0001F600"),
        QStringLiteral("\u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645"),
        QStringLiteral("\u0928\u092E\u0938\u094D\u0924\u0947 \u0926\u0941\u0928\u093F\u092F\u093E"),
        QStringLiteral("Keypad IC finder for repair technicians ").repeated(8),
    };
    for (const QString& caption : captions) {
        for (const double width : {0.0, 150.0, 400.0, 800.0, 1500.0, 3000.0, 6000.0}) {
            const FaceInput text = noPicture(width, 450, "");
            const FaceInput beside = withPicture(width, 300, 240, 240, "");
            const FaceInput above = withPicture(width, 3000, 240, 240, "");
            const struct {
                FaceInput input;
                double room;
                qsizetype shortest;
            } arrangements[]{
                {text, width - 150, 3}, {beside, width - 450 - 240, 1}, {above, width - 250, 1}};
            for (auto [input, room, shortest] : arrangements) {
                input.caption = caption;
                EXPECT_EQ(button::layoutFace(input, real).shownCaption,
                          droppingOneAtATime(caption, room, shortest, real))
                    << qPrintable(caption) << " at " << width << " twips";
            }
        }
    }
}

// Measuring every tail of a long caption costs the square of its length: a 20,000
// character caption took seconds on every redraw.
TEST(FaceLayout, ShorteningALongCaptionMeasuresEachCharacterAFewTimesAtMost)
{
    qsizetype measured = 0;
    const auto counting = [&](const QString& text) {
        measured += text.size();
        return measure(text);
    };
    const QString caption(20'000, u'x');
    FaceInput input = noPicture(1500, 450, "");
    input.caption = caption;
    EXPECT_EQ(button::layoutFace(input, counting).shownCaption,
              QStringLiteral("...") + caption.right(13));
    EXPECT_LT(measured, 3 * caption.size());
}

} // namespace
