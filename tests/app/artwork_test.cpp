#include "app/catalogue.h"
#include "resources/aboutcard.h"
#include "resources/artwork.h"
#include "resources/background.h"
#include "resources/handcursor.h"
#include "resources/icpicture.h"

#include <QFontMetrics>
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

} // namespace
