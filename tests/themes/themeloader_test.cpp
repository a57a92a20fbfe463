#include "platform/eventpump.h"
#include "platform/messagebox.h"
#include "platform/tickcounter.h"
#include "skin/busyguard.h"
#include "skin/themeloader.h"
#include "themebytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

using basGeneral::CornerHeight;
using basGeneral::CornerWidth;
using basGeneral::GeneralBusy;
using basGeneral::SubBusy;
using themetest::patternBitmap;
using themetest::patternImage;
using themetest::record;
using themetest::themeFile;

using PictureList = std::vector<platform::PicturePtr>;

const QString kFailurePrefix = QStringLiteral("Error Loading this Theme File! \r\n");

class ThemeLoaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SubBusy = 0;
        GeneralBusy = 0;
        m_previousSink = platform::setMessageSink([this](const platform::Message& message) {
            messages.push_back(message);
            busyAtMessage = GeneralBusy;
        });
        m_previousPass = platform::setEventPass([this] { m_now += 10; });
        m_previousTicks = platform::setTickSource([this] { return m_now; });
    }
    void TearDown() override
    {
        platform::setMessageSink(std::move(m_previousSink));
        platform::setEventPass(std::move(m_previousPass));
        platform::setTickSource(std::move(m_previousTicks));
        SubBusy = 0;
        GeneralBusy = 0;
    }

    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("theme.xbn"))
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    PictureList load(const QByteArray& bytes)
    {
        PictureList list;
        basGeneral::LoadThemeFile(write(bytes), list);
        return list;
    }

    QString onlyMessageText() const
    {
        EXPECT_EQ(messages.size(), 1u);
        return messages.empty() ? QString() : messages.front().text;
    }

    std::uint32_t now() const { return m_now; }
    QString folder() const { return m_dir.path(); }

    std::vector<platform::Message> messages;
    std::int16_t busyAtMessage = 0;

private:
    QTemporaryDir m_dir;
    std::uint32_t m_now = 5000;
    platform::MessageSink m_previousSink;
    platform::EventPass m_previousPass;
    platform::TickSource m_previousTicks;
};

// Images 1..n of the list against pattern images of the given seeds.
void expectImages(const PictureList& list, const std::vector<QImage>& images)
{
    ASSERT_EQ(list.size(), images.size() + 1);
    EXPECT_EQ(list[0], nullptr);
    for (std::size_t k = 1; k < list.size(); ++k) {
        ASSERT_TRUE(list[k]) << k;
        EXPECT_EQ(list[k]->image(), images[k - 1]) << k;
    }
}

// A file of exactly size bytes holding one 1 × 1 image, padded with zeros.
QByteArray oneImageFileOf(qsizetype size)
{
    QByteArray file = themeFile(record(3, 2, patternBitmap(1, 1, 7)));
    file.append(size - file.size(), '\0');
    return file;
}

TEST_F(ThemeLoaderTest, AFileBelow100BytesLoadsNothingAndOneOf100IsScanned)
{
    EXPECT_EQ(load(oneImageFileOf(99)).size(), 1u);
    expectImages(load(oneImageFileOf(100)), {patternImage(1, 1, 7)});
    EXPECT_TRUE(messages.empty());
}

TEST_F(ThemeLoaderTest, AMissingFileOrAFolderResetsTheListWithoutAMessage)
{
    for (const QString& path : {folder() + QStringLiteral("/absent.xbn"), folder()}) {
        PictureList list{nullptr, platform::makePicture(patternImage(2, 2, 1))};
        basGeneral::LoadThemeFile(path, list);
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0], nullptr);
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(GeneralBusy, 0);
}

TEST_F(ThemeLoaderTest, ARecordNeedsANonZeroCornerHeightButMayHaveANoughtCornerWidth)
{
    const QByteArray padding(40, '\0');
    EXPECT_EQ(load(themeFile(record(0, 4, patternBitmap(3, 3, 1)) + padding)).size(), 1u);

    expectImages(load(themeFile(record(6, 0, patternBitmap(3, 3, 1)) + padding)),
                 {patternImage(3, 3, 1)});
    EXPECT_EQ(CornerWidth[1], 0);
    EXPECT_EQ(CornerHeight[1], 6);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ThemeLoaderTest, ReadsRecordsInFileOrderWithAnyBytesBetweenThem)
{
    const QByteArray data = QByteArray("junk before", 11) + record(5, 4, patternBitmap(12, 9, 1)) +
                            QByteArray("\x01\x02\x03", 3) +
                            record(255, 255, patternBitmap(40, 3, 2)) +
                            record(1, 9, patternBitmap(2, 30, 3));
    expectImages(load(themeFile(data)),
                 {patternImage(12, 9, 1), patternImage(40, 3, 2), patternImage(2, 30, 3)});
    EXPECT_EQ(CornerHeight[1], 5);
    EXPECT_EQ(CornerWidth[1], 4);
    EXPECT_EQ(CornerHeight[2], 255);
    EXPECT_EQ(CornerWidth[2], 255);
    EXPECT_EQ(CornerHeight[3], 1);
    EXPECT_EQ(CornerWidth[3], 9);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ThemeLoaderTest, ALastRecordRunsToTheEndOfTheData)
{
    QByteArray bitmap = patternBitmap(5, 5, 4);
    themetest::putU32(bitmap, 2, 0); // no declared size: the bitmap is all that follows
    expectImages(load(themeFile(record(2, 2, bitmap) + QByteArray(30, '\x11'))),
                 {patternImage(5, 5, 4)});
    EXPECT_TRUE(messages.empty());
}

// A bitmap holding "BM" after its own opening pair no longer cuts itself short.
TEST_F(ThemeLoaderTest, ABitmapHoldingBMInsideItLoadsWithTheRecordsAfterIt)
{
    QImage pixelPair = patternImage(4, 2, 5);
    pixelPair.setPixel(1, 1, qRgb(0, 'M', 'B'));

    QByteArray headerPair = patternBitmap(4, 2, 6);
    themetest::putU32(headerPair, 38, 0x4D42); // horizontal resolution reads "BM"

    const std::pair<const char*, std::pair<QByteArray, QImage>> cases[] = {
        {"among its pixels", {themetest::qtBitmapFile(pixelPair), pixelPair}},
        {"in a header field", {headerPair, patternImage(4, 2, 6)}},
    };
    for (const auto& [name, c] : cases) {
        SCOPED_TRACE(name);
        messages.clear();
        const QByteArray data = record(5, 5, c.first) + record(3, 4, patternBitmap(6, 6, 8)) +
                                record(2, 1, patternBitmap(7, 7, 9));
        expectImages(load(themeFile(data)),
                     {c.second, patternImage(6, 6, 8), patternImage(7, 7, 9)});
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(CornerWidth[3], 1);
    }
}

// Pixels that hold a record's pattern are a record to the scan: it is read like any other,
// and its bitmap, made of the pixels after it, fails with the message.
TEST_F(ThemeLoaderTest, ARecordsPatternAmongPixelsIsReadAsARecord)
{
    QImage recordLike(4, 2, QImage::Format_RGB32);
    recordLike.fill(qRgb(0, 0, 0));
    const QRgb run[] = {qRgb(0, 0, 1), qRgb(0, 5, 0), qRgb('B', 0, 0), qRgb(0, 0, 'M')};
    for (int x = 0; x < 4; ++x)
        recordLike.setPixel(x, 1, run[x]);
    const QByteArray data =
        record(5, 5, themetest::qtBitmapFile(recordLike)) + record(3, 4, patternBitmap(6, 6, 8));

    const PictureList list = load(themeFile(data));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1]->image(), recordLike);
    EXPECT_EQ(list[2], nullptr);
    EXPECT_EQ(CornerHeight[2], 1);
    EXPECT_EQ(CornerWidth[2], 5);
    EXPECT_TRUE(onlyMessageText().startsWith(kFailurePrefix + QStringLiteral("Invalid picture")));
}

// The record positions the documented scan visits, read step by step: off runs from 1 to
// L - 12; after a record at off the scan goes on 15 bytes before the first "BM" at or
// after off + 50, or at off + 51 when there is none.
std::vector<qsizetype> documentedScan(const QByteArray& data)
{
    const auto byte = [&](qsizetype position) {
        return static_cast<unsigned char>(data[position - 1]);
    };
    const auto firstBM = [&](qsizetype from) -> qsizetype {
        const qsizetype index = data.indexOf("BM", from - 1);
        return index < 0 ? 0 : index + 1;
    };
    std::vector<qsizetype> records;
    const qsizetype last = data.size() - 12;
    qsizetype off = 1;
    while (off <= last) {
        const bool isRecord = byte(off) != 0 && byte(off + 1) == 0 && byte(off + 2) == 0 &&
                              byte(off + 3) == 0 && byte(off + 5) == 0 && byte(off + 6) == 0 &&
                              byte(off + 7) == 0 && byte(off + 8) == 66 && byte(off + 9) == 77;
        if (!isRecord) {
            ++off;
            continue;
        }
        records.push_back(off);
        const qsizetype p = firstBM(off + 50);
        off = p > 0 ? p - 15 : off + 51;
    }
    return records;
}

enum class BitmapKind { WellFormed, Overstated, Understated, BMInHeader, BMAmongPixels };

struct GeneratedRecord {
    QByteArray bytes;
    QImage image;
};

GeneratedRecord generatedRecord(std::mt19937& random, BitmapKind kind, int seed)
{
    const int w = 1 + static_cast<int>(random() % 9);
    const int h = 1 + static_cast<int>(random() % 9);
    QImage image = patternImage(w, h, seed);
    if (kind == BitmapKind::BMAmongPixels)
        image.setPixel(static_cast<int>(random() % w), static_cast<int>(random() % h),
                       qRgb(0, 'M', 'B'));
    QByteArray bitmap = themetest::qtBitmapFile(image);
    switch (kind) {
    case BitmapKind::Overstated:
        themetest::putU32(bitmap, 2, static_cast<std::uint32_t>(bitmap.size() + 4));
        break;
    case BitmapKind::Understated:
        bitmap += QByteArray(1 + static_cast<int>(random() % 9), '\x22');
        break;
    case BitmapKind::BMInHeader: themetest::putU32(bitmap, 38, 0x4D42); break;
    default: break;
    }
    const auto cornerHeight = static_cast<std::uint32_t>(1 + random() % 255);
    const auto cornerWidth = static_cast<std::uint32_t>(random() % 256);
    return {record(cornerHeight, cornerWidth, bitmap), image};
}

// Whatever a bitmap's declared size and the "BM" pairs inside it, the loader reads every
// record the documented scan finds, in its order and with its corner sizes.
TEST_F(ThemeLoaderTest, ReadsEveryRecordTheDocumentedScanFinds)
{
    const BitmapKind kinds[] = {BitmapKind::WellFormed, BitmapKind::Overstated,
                                BitmapKind::Understated, BitmapKind::BMInHeader,
                                BitmapKind::BMAmongPixels};
    std::mt19937 random(2024);
    for (int file = 0; file < 60; ++file) {
        QByteArray data;
        std::vector<qsizetype> placed;
        std::vector<QImage> images;
        std::string made;
        const int count = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < count; ++i) {
            data += QByteArray(static_cast<int>(random() % 6), '\x11');
            placed.push_back(data.size() + 1);
            const BitmapKind kind = kinds[random() % std::size(kinds)];
            made += std::to_string(static_cast<int>(kind)) + ' ';
            const GeneratedRecord generated = generatedRecord(random, kind, file * 8 + i);
            data += generated.bytes;
            images.push_back(generated.image);
        }
        data += QByteArray(40, '\x11');
        SCOPED_TRACE("file " + std::to_string(file) + ", kinds " + made);

        const std::vector<qsizetype> scanned = documentedScan(data);
        ASSERT_EQ(scanned, placed);
        messages.clear();
        expectImages(load(themeFile(data)), images);
        EXPECT_TRUE(messages.empty());
        for (std::size_t k = 1; k <= scanned.size(); ++k) {
            EXPECT_EQ(CornerHeight[k], static_cast<unsigned char>(data[scanned[k - 1] - 1]));
            EXPECT_EQ(CornerWidth[k], static_cast<unsigned char>(data[scanned[k - 1] + 3]));
        }
    }
}

TEST_F(ThemeLoaderTest, AFileSizeFieldBeginningWithBMLoads)
{
    QByteArray bitmap = patternBitmap(8, 8, 3);
    bitmap.append(19778 - bitmap.size(), '\0');
    themetest::putU32(bitmap, 2, 19778);
    ASSERT_EQ(bitmap.mid(2, 2), QByteArray("BM"));
    const QByteArray data = record(4, 4, bitmap) + record(4, 4, patternBitmap(3, 2, 1));
    expectImages(load(themeFile(data)), {patternImage(8, 8, 3), patternImage(3, 2, 1)});
    EXPECT_TRUE(messages.empty());
}

TEST_F(ThemeLoaderTest, The1001stImageEndsTheLoadLeavingOneEmptyElement)
{
    QByteArray data;
    for (int i = 0; i < 1001; ++i)
        data += record(1 + i % 200, i % 256, patternBitmap(1, 1, i));
    const PictureList list = load(themeFile(data));
    ASSERT_EQ(list.size(), 1002u);
    EXPECT_TRUE(list[1000]);
    EXPECT_EQ(list[1000]->image(), patternImage(1, 1, 999));
    EXPECT_EQ(list[1001], nullptr);
    EXPECT_EQ(CornerHeight[1000], 1 + 999 % 200);
    EXPECT_EQ(onlyMessageText(), kFailurePrefix + QStringLiteral("Subscript out of range"));
}

TEST_F(ThemeLoaderTest, ASmallerFileLeavesTheLaterTableEntriesOfTheEarlierOne)
{
    CornerWidth[0] = 77;
    QByteArray five;
    for (std::uint32_t k = 1; k <= 5; ++k)
        five += record(k, 10 + k, patternBitmap(3, 3, static_cast<int>(k)));
    load(themeFile(five));
    QByteArray three;
    for (std::uint32_t k = 1; k <= 3; ++k)
        three += record(100 + k, 200 + k, patternBitmap(3, 3, static_cast<int>(k)));
    EXPECT_EQ(load(themeFile(three)).size(), 4u);

    EXPECT_EQ(CornerWidth[0], 77);
    EXPECT_EQ(CornerWidth[3], 203);
    EXPECT_EQ(CornerHeight[3], 103);
    EXPECT_EQ(CornerWidth[4], 14);
    EXPECT_EQ(CornerHeight[4], 4);
    EXPECT_EQ(CornerWidth[5], 15);
    EXPECT_EQ(CornerHeight[5], 5);
}

TEST_F(ThemeLoaderTest, ADamagedBitmapEndsTheLoadKeepingTheImagesBeforeIt)
{
    QByteArray damaged = patternBitmap(4, 4, 2);
    themetest::putU16(damaged, 28, 7);
    const QByteArray data = record(1, 1, patternBitmap(4, 4, 0)) +
                            record(2, 2, patternBitmap(4, 4, 1)) + record(9, 8, damaged) +
                            record(3, 3, patternBitmap(4, 4, 3));
    const PictureList list = load(themeFile(data));

    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[2]->image(), patternImage(4, 4, 1));
    EXPECT_EQ(list[3], nullptr);
    EXPECT_EQ(CornerWidth[3], 8);
    EXPECT_EQ(CornerHeight[3], 9);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Vantrel"));
    EXPECT_EQ(messages[0].text,
              kFailurePrefix +
                  QStringLiteral("Invalid picture: 7 bits per pixel is not a bitmap depth"));
    EXPECT_EQ(busyAtMessage, 0);
    EXPECT_EQ(GeneralBusy, 0);
}

TEST_F(ThemeLoaderTest, ForgedSizesAreRefusedWithTheMessage)
{
    QByteArray enormous = themetest::bitmapFile(
        {40, 30000, 30000, 8, 1, QByteArray(1024, '\0'), QByteArray("\x00\x01", 2)});
    QByteArray overlong = patternBitmap(4, 4, 0);
    themetest::putU32(overlong, 2, 0x7FFFFFFF);
    const std::pair<QByteArray, const char*> cases[] = {
        {enormous, "30000 × 30000 pixels is too large"},
        {overlong, "declares 2147483647 bytes"},
    };
    for (const auto& [bitmap, says] : cases) {
        messages.clear();
        const PictureList list = load(themeFile(record(5, 5, bitmap) + QByteArray(40, '\0')));
        EXPECT_EQ(list.size(), 2u);
        EXPECT_TRUE(onlyMessageText().contains(QString::fromUtf8(says)))
            << onlyMessageText().toStdString();
    }
}

// The whole file's pixel budget, once spent, refuses even the smallest image, and says so.
TEST_F(ThemeLoaderTest, ASpentPixelBudgetNamesItselfWhenItRefuses)
{
    const QByteArray largest = themetest::bitmapFile(
        {40, 4096, 4096, 8, 1, QByteArray(1024, '\0'), QByteArray("\x00\x01", 2)});
    QByteArray data;
    for (int i = 0; i < 4; ++i)
        data += record(2, 2, largest);
    data += record(2, 2, patternBitmap(1, 1, 1)) + QByteArray(40, '\0');

    const PictureList list = load(themeFile(data));
    ASSERT_EQ(list.size(), 6u);
    EXPECT_TRUE(list[4]);
    EXPECT_EQ(list[5], nullptr);
    EXPECT_EQ(onlyMessageText(),
              kFailurePrefix + QStringLiteral("Invalid picture: the images of one theme file "
                                              "may hold at most 67108864 pixels together"));
}

TEST_F(ThemeLoaderTest, LeavesAUsersButtonTmpAloneAndWritesNoFile)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder()));
    QFile user(QStringLiteral("Button.tmp"));
    ASSERT_TRUE(user.open(QIODevice::WriteOnly));
    user.write("the user's own notes");
    user.close();
    const QString theme =
        write(themeFile(record(5, 5, patternBitmap(9, 9, 1)) + QByteArray(40, '\0')));
    const QStringList before = QDir(folder()).entryList(QDir::Files);

    PictureList list;
    basGeneral::LoadThemeFile(theme, list);
    expectImages(list, {patternImage(9, 9, 1)});

    ASSERT_TRUE(user.open(QIODevice::ReadOnly));
    EXPECT_EQ(user.readAll(), QByteArray("the user's own notes"));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), before);
    QDir::setCurrent(previous);
}

TEST_F(ThemeLoaderTest, WaitsForABusyButtonThenForARunningLoadThenLoadsAnyway)
{
    SubBusy = -1;
    GeneralBusy = -1;
    const std::uint32_t start = now();
    expectImages(load(oneImageFileOf(100)), {patternImage(1, 1, 7)});
    EXPECT_EQ(now() - start, 4000u);
    EXPECT_EQ(GeneralBusy, 0);
    EXPECT_EQ(SubBusy, -1);
}

} // namespace
