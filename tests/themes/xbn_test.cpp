#include "commands.h"
#include "platform/bitmapfile.h"
#include "platform/colour.h"
#include "platform/messagebox.h"
#include "themebytes.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status = 0;
    QString out;
    QString err;
};

class XbnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_previousSink = platform::setMessageSink(
            [this](const platform::Message& message) { messages.push_back(message.text); });
    }
    void TearDown() override { platform::setMessageSink(std::move(m_previousSink)); }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    static QByteArray read(const QString& filePath)
    {
        QFile file(filePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static ToolRun run(const QStringList& arguments)
    {
        ToolRun result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.status = xbn::runTool(arguments, out, err);
        return result;
    }

    QString pngOf(const QString& name, const QImage& image) const
    {
        EXPECT_TRUE(image.save(path(name), "PNG"));
        return path(name);
    }

    std::vector<QString> messages;

private:
    QTemporaryDir m_dir;
    platform::MessageSink m_previousSink;
};

QImage indexedSample()
{
    QImage image = themetest::patternImage(7, 5, 3);
    QList<QRgb> table;
    for (int i = 0; i < 40; ++i)
        table += qRgb(i * 6, 255 - i * 6, i * 3);
    return image.convertToFormat(QImage::Format_Indexed8, table);
}

TEST_F(XbnTest, PackListAndExtractRoundTrip)
{
    const QImage a = themetest::patternImage(12, 9, 1);
    const QImage b = themetest::patternImage(30, 4, 2);
    const QImage c = indexedSample().convertToFormat(QImage::Format_RGB32);
    const QString theme = path("round.xbn");
    const ToolRun packed = run({"pack", theme, "--corner", "4x3", pngOf("a.png", a),
                                write("b.bmp", themetest::qtBitmapFile(b)) + "@0x7",
                                write("c.bmp", themetest::qtBitmapFile(indexedSample()))});
    ASSERT_EQ(packed.status, 0) << packed.err.toStdString();

    const ToolRun listed = run({"list", theme});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "1 12x9 corner 4x3\n2 30x4 corner 0x7\n3 7x5 corner 4x3\n");

    const ToolRun extracted = run({"extract", theme, path("out")});
    ASSERT_EQ(extracted.status, 0) << extracted.err.toStdString();
    const QStringList lines = extracted.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1], path("out/0002.bmp") + "@0x7");
    const QImage expected[] = {a, b, c};
    for (int k = 0; k < 3; ++k) {
        const QByteArray bitmap = read(path("out/%1.bmp").arg(k + 1, 4, 10, QLatin1Char('0')));
        EXPECT_EQ(qFromLittleEndian<std::uint16_t>(bitmap.constData() + 28), 24);
        EXPECT_EQ(platform::LoadPicture(bitmap)->image(), expected[k]) << k;
    }

    // What extract prints packs the same theme again.
    ASSERT_EQ(run(QStringList{"pack", path("again.xbn")} + lines).status, 0);
    EXPECT_EQ(read(path("again.xbn")), read(theme));
    EXPECT_TRUE(messages.empty());
}

TEST_F(XbnTest, PackStoresTwentyFourBitBitmapsUnlessAskedToKeepTheirDepth)
{
    const QByteArray eightBit = themetest::qtBitmapFile(indexedSample());
    const QString input = write("c.bmp", eightBit);
    ASSERT_EQ(run({"pack", path("plain.xbn"), input}).status, 0);
    ASSERT_EQ(run({"pack", path("kept.xbn"), "--keep-depth", input}).status, 0);
    EXPECT_FALSE(read(path("plain.xbn")).contains(eightBit));
    EXPECT_TRUE(read(path("kept.xbn")).contains(eightBit));
    EXPECT_EQ(run({"list", path("kept.xbn")}).out, "1 7x5 corner 5x5\n");
}

TEST_F(XbnTest, AFailedLoadShowsTheLoadersMessageAndExitsOne)
{
    QByteArray damaged = themetest::patternBitmap(4, 4, 1);
    themetest::putU16(damaged, 28, 7);
    const QString theme =
        write("damaged.xbn",
              themetest::themeFile(themetest::record(2, 2, damaged)) + QByteArray(40, '\0'));
    for (const QStringList& arguments :
         {QStringList{"list", theme}, QStringList{"extract", theme, path("out")}}) {
        messages.clear();
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.out.isEmpty());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].startsWith("Error Loading this Theme File! \r\nInvalid picture"));
    }
    EXPECT_FALSE(QFileInfo::exists(path("out/0001.bmp")));
}

TEST_F(XbnTest, ListShowsTheImagesLoadedBeforeAFailureThenTheMessage)
{
    QByteArray damaged = themetest::patternBitmap(4, 4, 1);
    themetest::putU16(damaged, 28, 7);
    const QString theme =
        write("damaged.xbn",
              themetest::themeFile(themetest::record(2, 3, themetest::patternBitmap(5, 4, 1)) +
                                   themetest::record(6, 7, themetest::patternBitmap(2, 9, 2)) +
                                   themetest::record(2, 2, damaged)) +
                  QByteArray(40, '\0'));
    ToolRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    QString listedAtMessage;
    platform::setMessageSink([&](const platform::Message& message) {
        messages.push_back(message.text);
        listedAtMessage = result.out;
    });
    result.status = xbn::runTool({"list", theme}, out, err);

    EXPECT_EQ(result.status, 1);
    const QString listed = "1 5x4 corner 3x2\n2 2x9 corner 7x6\n";
    EXPECT_EQ(result.out, listed);
    EXPECT_EQ(listedAtMessage, listed);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("Error Loading this Theme File! \r\nInvalid picture"));
}

TEST_F(XbnTest, ListsARecordAfterABitmapThatDeclaresTooManyBytes)
{
    QByteArray overstated = themetest::patternBitmap(6, 5, 1);
    themetest::putU32(overstated, 2, static_cast<std::uint32_t>(overstated.size() + 4));
    const QString theme =
        write("overstated.xbn",
              themetest::themeFile(themetest::record(4, 4, overstated) +
                                   themetest::record(3, 3, themetest::patternBitmap(7, 2, 2)) +
                                   themetest::record(2, 2, themetest::patternBitmap(3, 8, 3))));
    const ToolRun listed = run({"list", theme});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "1 6x5 corner 4x4\n2 7x2 corner 3x3\n3 3x8 corner 2x2\n");
    EXPECT_TRUE(messages.empty());
}

// Pixels holding a record's pattern, corner sizes and "BM", would mislead the loader's
// scan in any image but the first: pack refuses to write such a theme.
TEST_F(XbnTest, PackRefusesImagesThatWouldNotReadBack)
{
    QImage recordLike(4, 2, QImage::Format_RGB32);
    recordLike.fill(qRgb(0, 0, 0));
    const QRgb pattern[] = {qRgb(0, 0, 1), qRgb(0, 5, 0), qRgb('B', 0, 0), qRgb(0, 0, 'M')};
    for (int x = 0; x < 4; ++x)
        recordLike.setPixel(x, 1, pattern[x]);
    const ToolRun result =
        run({"pack", path("t.xbn"), pngOf("a.png", themetest::patternImage(6, 6, 1)),
             pngOf("b.png", recordLike)});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains("would not read back")) << result.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("t.xbn")));
}

struct BadCall {
    QStringList arguments;
    int status;
    const char* says;
};

TEST_F(XbnTest, BadArgumentsAndFilesGiveOneLineAndANonZeroExit)
{
    const QString image = pngOf("a.png", themetest::patternImage(5, 5, 1));
    const QString text = write("notes.txt", "not an image at all");
    const QString tiny = write("tiny.xbn", QByteArray(60, 'x'));
    const BadCall cases[] = {
        {{}, 2, "no command"},
        {{"frob"}, 2, "unknown command \"frob\""},
        {{"pack", path("t.xbn")}, 2, "at least one IMAGE"},
        {{"pack", path("t.xbn"), "--corner"}, 2, "--corner needs WxH"},
        {{"pack", path("t.xbn"), "--corner", "5by5", image}, 2, "corner must read WxH"},
        {{"pack", path("t.xbn"), "--corner", "5x256", image}, 2, "0 to 255"},
        {{"pack", path("t.xbn"), image + "@3x0"}, 2, "corner height of 0"},
        {{"pack", path("t.xbn"), path("absent.png")}, 1, "no such file"},
        {{"pack", path("t.xbn"), text}, 1, "not an image"},
        {{"list"}, 2, "list needs THEME"},
        {{"list", path("absent.xbn")}, 1, "no such file"},
        {{"list", tiny}, 1, "holds no images"},
        {{"extract", tiny}, 2, "extract needs THEME and DIR"},
    };
    for (const BadCall& c : cases) {
        const ToolRun result = run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.says;
        EXPECT_TRUE(result.err.startsWith("xbn: ")) << c.says;
        EXPECT_EQ(result.err.count('\n'), 1) << c.says;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.says))) << result.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path("t.xbn")));
}

TEST_F(XbnTest, NeverWritesOverAnInput)
{
    const QByteArray original = themetest::qtBitmapFile(themetest::patternImage(5, 5, 1));
    const QString image = write("a.bmp", original);
    EXPECT_EQ(run({"pack", image, image}).status, 1);
    EXPECT_EQ(read(image), original);

    // A theme named like the first extracted image, extracted into its own folder.
    ASSERT_EQ(run({"pack", path("t.xbn"), image}).status, 0);
    ASSERT_TRUE(QDir().mkpath(path("out")));
    ASSERT_TRUE(QFile::copy(path("t.xbn"), path("out/0001.bmp")));
    const ToolRun result = run({"extract", path("out/0001.bmp"), path("out")});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains("will not write over an input"));
    EXPECT_EQ(read(path("out/0001.bmp")), read(path("t.xbn")));
}

// A skin from rows of red values over constant green 10 and blue 20.
QImage redSkin(const std::vector<std::vector<int>>& reds)
{
    QImage image(static_cast<int>(reds[0].size()), static_cast<int>(reds.size()),
                 QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(reds[y][x], 10, 20));
    }
    return image;
}

TEST_F(XbnTest, RenderStacksTheThreeFacesAsASmoothButtonBuildsThem)
{
    // Stretched from 3 x 3 to 5 x 4 with 1-pixel corners: the corners stay, each
    // stretched cell runs from its pixel toward its right and lower neighbours.
    const QImage stretched = redSkin({{100, 0, 90}, {30, 60, 120}, {200, 150, 240}});
    const QImage expectedStretch = redSkin({{100, 0, 30, 60, 90},
                                            {30, 60, 80, 100, 120},
                                            {115, 105, 130, 155, 180},
                                            {200, 150, 180, 210, 240}});
    // At its own size the skin is copied; magenta, the key of a skin whose top-left
    // pixel is no candidate, lets the background through.
    QImage keyed = themetest::patternImage(5, 4, 9);
    keyed.setPixel(2, 1, qRgb(255, 0, 255));
    // A black top-left pixel makes black the key; magenta then stays.
    QImage blackKey = themetest::patternImage(5, 4, 20);
    blackKey.setPixel(0, 0, qRgb(0, 0, 0));
    blackKey.setPixel(4, 3, qRgb(0, 0, 0));
    blackKey.setPixel(1, 1, qRgb(255, 0, 255));

    const QRgb background = qRgb(0x33, 0x66, 0x99);
    QImage expected(5, 12, QImage::Format_RGB32);
    QPainter(&expected).drawImage(0, 0, expectedStretch);
    keyed.setPixel(2, 1, background);
    QPainter(&expected).drawImage(0, 4, keyed);
    blackKey.setPixel(0, 0, background);
    blackKey.setPixel(4, 3, background);
    QPainter(&expected).drawImage(0, 8, blackKey);

    keyed.setPixel(2, 1, qRgb(255, 0, 255));
    blackKey.setPixel(0, 0, qRgb(0, 0, 0));
    blackKey.setPixel(4, 3, qRgb(0, 0, 0));
    const QString theme = path("faces.xbn");
    ASSERT_EQ(
        run({"pack", theme, "--corner", "1x1", pngOf("a.png", themetest::patternImage(4, 4, 1)),
             pngOf("b.png", themetest::patternImage(4, 4, 2)),
             pngOf("c.png", themetest::patternImage(4, 4, 3)), pngOf("n.png", stretched),
             pngOf("h.png", keyed), pngOf("p.png", blackKey)})
            .status,
        0);

    const ToolRun rendered =
        run({"render", theme, "1", "5x4", path("out.png"), "--background", "336699"});
    ASSERT_EQ(rendered.status, 0) << rendered.err.toStdString();
    EXPECT_EQ(QImage(path("out.png")).convertToFormat(QImage::Format_RGB32), expected);

    ASSERT_EQ(run({"render", theme, "1", "5x4", path("plain.png")}).status, 0);
    EXPECT_EQ(QImage(path("plain.png")).pixel(2, 5), platform::toPixel(platform::kButtonFace));
}

TEST_F(XbnTest, RenderRefusesAMissingStyleAndBadSizes)
{
    const QString theme = path("t.xbn");
    ASSERT_EQ(run({"pack", theme, pngOf("a.png", themetest::patternImage(6, 6, 1)),
                   pngOf("b.png", themetest::patternImage(6, 6, 2)),
                   pngOf("c.png", themetest::patternImage(6, 6, 3))})
                  .status,
              0);
    const BadCall cases[] = {
        {{"render", theme, "1", "10x10", path("o.png")}, 1, "style 1 needs images 4 to 6"},
        {{"render", theme, "0", "0x10", path("o.png")}, 2, "at least 1x1"},
        {{"render", theme, "0", "5000x10", path("o.png")}, 2, "0 to 4096"},
        {{"render", theme, "-1", "10x10", path("o.png")}, 2, "style must be"},
        {{"render", theme, "0", "10x10", path("o.png"), "--background", "red"}, 2, "RRGGBB"},
        {{"render", theme, "0", "10x10"}, 2, "render needs"},
        {{"render", theme, "0", "10x10", theme}, 1, "will not write over an input"},
    };
    for (const BadCall& c : cases) {
        const ToolRun result = run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.says;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.says))) << result.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(path("o.png")));
}

} // namespace
