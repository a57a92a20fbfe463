#include "app/catalogue.h"
#include "resources/aboutcard.h"
#include "resources/artwork.h"
#include "resources/background.h"
#include "resources/handcursor.h"
#include "resources/icpicture.h"
#include "support/devicepixels.h"

#include <QFontMetrics>
#include <QtMath>
#include <gtest/gtest.h>
#include <string>

namespace {

QString joinedMembers(const app::IcGroup& group)
{
    QStringList models;
    for (const std::string_view model : group.members)
        models << QString::fromLatin1(model.data(), static_cast<qsizetype>(model.size()));
    return models.join(QLatin1Char('/'));
}

TEST(IcPicture, ListsExactlyItsGroupsMembersAndFits)
{
    const QRect picture(0, 0, artwork::kIcPictureWidth, artwork::kIcPictureHeight);
    for (const app::IcGroup& group : app::icGroups()) {
        SCOPED_TRACE(group.number);
        const artwork::MemberListLayout layout = artwork::layoutMemberList(group);
        EXPECT_EQ(layout.lines.join(QString()), joinedMembers(group));
        for (qsizetype i = 0; i + 1 < layout.lines.size(); ++i)
            EXPECT_TRUE(layout.lines[i].endsWith(QLatin1Char('/'))) << "broken inside a model";
        EXPECT_TRUE(layout.area.contains(layout.usedRect()));
        EXPECT_TRUE(picture.adjusted(4, 4, -4, -4).contains(layout.area));
        EXPECT_GE(QFontMetrics(layout.font).height(), 9) << "too small to read";
    }
}

TEST(IcPicture, IsA24BitPictureOnTheGreenGreyGroundInsideADarkerFrame)
{
    const QImage image = artwork::drawIcPicture(app::icGroups()[1]);
    EXPECT_EQ(image.size(), QSize(416, 154));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.pixel(400, 140), qRgb(200, 228, 220));
    EXPECT_LT(qGray(image.pixel(0, 77)), qGray(qRgb(200, 228, 220)));
}

TEST(SuppliedArtwork, MatchesWhatThePaintersDrawAndHasTheDescribedSizes)
{
    for (const app::IcGroup& group : app::icGroups()) {
        const QImage supplied = artwork::image(artwork::icPictureFile(group.number));
        EXPECT_EQ(supplied.convertToFormat(QImage::Format_RGB888), artwork::drawIcPicture(group))
            << group.number;
    }
    EXPECT_EQ(artwork::image(QString::fromLatin1(artwork::kBackgroundFile)).size(),
              QSize(445, 569));
    EXPECT_EQ(artwork::image(QString::fromLatin1(artwork::kAboutCardFile)).size(), QSize(400, 281));
    for (const int size : artwork::kIconSizes)
        EXPECT_EQ(artwork::image(artwork::iconFile(size)).size(), QSize(size, size));
    EXPECT_TRUE(artwork::image(QStringLiteral("missing.png")).isNull());
}

TEST(HandCursor, PointsWithTheFingerTipAtTheHotSpot)
{
    const QImage cursor = artwork::drawHandCursor();
    EXPECT_EQ(cursor.size(), QSize(32, 32));
    const QPoint tip = artwork::kHandCursorHotSpot;
    EXPECT_EQ(tip, QPoint(12, 1));
    EXPECT_EQ(qAlpha(cursor.pixel(tip)), 255);
    EXPECT_EQ(qAlpha(cursor.pixel(tip.x(), 0)), 0) << "nothing above the tip";
    EXPECT_EQ(qAlpha(cursor.pixel(0, 31)), 0);
}

TEST(Background, StripsRunTopToBottomInTheDescribedOrder)
{
    const std::vector<std::string> order{"title",       "credits",     "logo panel", "tabs",
                                         "input bar",   "title panel", "button bar", "forum banner",
                                         "marquee bar", "bottom"};
    const auto& strips = artwork::backgroundStrips();
    ASSERT_EQ(strips.size(), order.size());
    int top = 0;
    for (std::size_t i = 0; i < strips.size(); ++i) {
        EXPECT_EQ(strips[i].name, order[i]);
        EXPECT_EQ(strips[i].top, top);
        EXPECT_LT(strips[i].top, strips[i].bottom);
        top = strips[i].bottom;
    }
    EXPECT_EQ(top, artwork::kBackgroundHeight);
}

TEST(Background, EveryPaintedPartLiesInsideItsStrip)
{
    using namespace artwork::painted;
    const std::vector<std::pair<std::string, QRect>> parts{{"title", kMinimiseGlyph},
                                                           {"title", kMaximiseGlyph},
                                                           {"title", kCloseGlyph},
                                                           {"logo panel", kLogo},
                                                           {"tabs", kLeftTab},
                                                           {"tabs", kRightTab},
                                                           {"input bar", kInputField},
                                                           {"title panel", kTitlePanel},
                                                           {"button bar", kSendField},
                                                           {"button bar", kDropDown},
                                                           {"forum banner", kForumBanner},
                                                           {"marquee bar", kMarqueeWell}};
    for (const auto& [stripName, part] : parts) {
        SCOPED_TRACE(stripName);
        bool found = false;
        for (const artwork::BackgroundStrip& strip : artwork::backgroundStrips()) {
            if (strip.name != stripName)
                continue;
            found = true;
            EXPECT_GE(part.top(), strip.top);
            EXPECT_LT(part.bottom(), strip.bottom);
        }
        EXPECT_TRUE(found);
        EXPECT_TRUE(QRect(0, 0, 443, 568).contains(part)) << "outside the window";
    }
}

TEST(AboutCard, HasOnlyAHandfulOfPureBlackPixelsAllInsideThePhone)
{
    const QImage card = artwork::drawAboutCard();
    EXPECT_EQ(card.size(), QSize(400, 281));
    EXPECT_EQ(card.format(), QImage::Format_RGB888);
    int black = 0;
    for (int y = 0; y < card.height(); ++y) {
        for (int x = 0; x < card.width(); ++x) {
            if (card.pixel(x, y) != qRgb(0, 0, 0))
                continue;
            ++black;
            EXPECT_LT(x, 130) << "a hole outside the phone at " << x << "," << y;
        }
    }
    EXPECT_GT(black, 0);
    EXPECT_LE(black, 16);
}

// The pictures drawn for screens of more device pixels, each with where its type lies.
struct DrawnPicture {
    const char* file;
    QSize logical;
    QRect text;
};
const DrawnPicture kDrawnPictures[] = {
    {artwork::kBackgroundFile, {445, 569}, artwork::painted::kTitlePanel},
    {artwork::kAboutCardFile, {400, 281}, {140, 62, 240, 52}},
    {"ic1.png", {416, 154}, {0, 6, 416, 32}},
    {"ic4.png", {416, 154}, {0, 6, 416, 32}},
};

TEST(ArtworkForRatios, IsSuppliedAtEachRatioWithTheSameLogicalSize)
{
    for (const DrawnPicture& picture : kDrawnPictures) {
        for (const qreal ratio : artwork::kDrawnRatios) {
            SCOPED_TRACE(std::string(picture.file) + " at " + std::to_string(ratio));
            const QImage drawn = artwork::image(QString::fromLatin1(picture.file), ratio);
            EXPECT_EQ(drawn.size(), QSize(qCeil(picture.logical.width() * ratio),
                                          qCeil(picture.logical.height() * ratio)));
            EXPECT_EQ(drawn.devicePixelRatio(), ratio);
        }
    }
}

// At ratio 2 the type ("NOKIA", the IC marking, the background's title) has detail finer
// than a logical pixel; at ratio 1 the pictures are the ones the window always had.
TEST(ArtworkForRatios, DrawsTypeAtTheDevicesResolution)
{
    for (const DrawnPicture& picture : kDrawnPictures) {
        SCOPED_TRACE(picture.file);
        const QImage drawn = artwork::image(QString::fromLatin1(picture.file), 2.0);
        EXPECT_TRUE(hasDetailFinerThanBlocks(
            drawn, 2, QRect(picture.text.topLeft() * 2, picture.text.size() * 2)));
        EXPECT_EQ(artwork::image(QString::fromLatin1(picture.file), 1.0),
                  artwork::image(QString::fromLatin1(picture.file)));
    }
}

TEST(ArtworkForRatios, AScreenGetsTheNearestRatioNotBelowItsOwn)
{
    const std::pair<qreal, qreal> cases[] = {{0.5, 1.0}, {1.0, 1.0},  {1.25, 1.5},
                                             {1.5, 1.5}, {1.75, 2.0}, {3.0, 2.0}};
    for (const auto& [screen, drawnFor] : cases)
        EXPECT_EQ(artwork::image(artwork::icPictureFile(3), screen).devicePixelRatio(), drawnFor)
            << screen;
    EXPECT_EQ(artwork::ratioFile(QStringLiteral("background.bmp"), 2.0),
              QStringLiteral("background@2x.png"));
    EXPECT_EQ(artwork::ratioFile(QStringLiteral("ic1.png"), 1.5), QStringLiteral("ic1@1.5x.png"));
}

// The see-through pixels cover the same logical pixels at every ratio, so that the window's
// mask, made from the picture of ratio 1, fits the card that is painted.
TEST(ArtworkForRatios, TheAboutCardsBlackPixelsStayInPlace)
{
    const QImage atOne = artwork::drawAboutCard();
    const QImage atTwo = artwork::drawAboutCard(2.0);
    for (int y = 0; y < atTwo.height(); ++y)
        for (int x = 0; x < atTwo.width(); ++x)
            ASSERT_EQ(atTwo.pixel(x, y) == qRgb(0, 0, 0),
                      atOne.pixel(x / 2, y / 2) == qRgb(0, 0, 0))
                << x << "," << y;
}

TEST(ArtworkForRatios, TheHandPointsFromTheSameHotSpot)
{
    const QImage cursor = artwork::drawHandCursor(2.0);
    EXPECT_EQ(cursor.size(), QSize(64, 64));
    const QPoint tip = artwork::kHandCursorHotSpot * 2;
    EXPECT_EQ(qAlpha(cursor.pixel(tip)), 255);
    EXPECT_EQ(qAlpha(cursor.pixel(tip.x(), 0)), 0) << "nothing above the tip";
}

} // namespace
