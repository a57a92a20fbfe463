#include "platform/bitmapfile.h"
#include "platform/runtimeerror.h"
#include "themebytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace {

using themetest::bitmapFile;
using themetest::BitmapParts;
using themetest::putU16;
using themetest::putU32;

// The 3 × 2 image every format case encodes: red, green, blue over white, black, yellow.
const QList<QRgb> kColours = {qRgb(255, 0, 0),     qRgb(0, 255, 0), qRgb(0, 0, 255),
                              qRgb(255, 255, 255), qRgb(0, 0, 0),   qRgb(255, 255, 0)};

QImage sampleImage()
{
    QImage image(3, 2, QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, kColours[i]);
    return image;
}

// Rows of the sample image, bottom-up unless topDown, each padded to 4 bytes.
QByteArray sampleRows(int bytesPerPixel, const std::function<std::uint32_t(QRgb)>& encode,
                      bool topDown = false)
{
    QByteArray bytes;
    for (int row = 0; row < 2; ++row) {
        const int y = topDown ? row : 1 - row;
        QByteArray line;
        for (int x = 0; x < 3; ++x) {
            const std::uint32_t value = encode(kColours[y * 3 + x]);
            for (int b = 0; b < bytesPerPixel; ++b)
                line += static_cast<char>((value >> (8 * b)) & 0xFF);
        }
        while (line.size() % 4 != 0)
            line += '\0';
        bytes += line;
    }
    return bytes;
}

std::uint32_t bgr(QRgb c)
{
    return static_cast<std::uint32_t>(c & 0xFFFFFF);
}
std::uint32_t rgb555(QRgb c)
{
    return (qRed(c) >> 3 << 10) | (qGreen(c) >> 3 << 5) | (qBlue(c) >> 3);
}
std::uint32_t rgb565(QRgb c)
{
    return (qRed(c) >> 3 << 11) | (qGreen(c) >> 2 << 5) | (qBlue(c) >> 3);
}

QByteArray masks(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    QByteArray bytes(12, '\0');
    putU32(bytes, 0, red);
    putU32(bytes, 4, green);
    putU32(bytes, 8, blue);
    return bytes;
}

QByteArray palette(int entrySize)
{
    QByteArray bytes;
    for (QRgb c : kColours) {
        bytes += static_cast<char>(qBlue(c));
        bytes += static_cast<char>(qGreen(c));
        bytes += static_cast<char>(qRed(c));
        if (entrySize == 4)
            bytes += '\0';
    }
    return bytes;
}

QByteArray withColoursUsed(QByteArray file, std::uint32_t count)
{
    putU32(file, 46, count);
    return file;
}

QByteArray rle8File(std::int32_t height = 2)
{
    // Bottom row as runs, top row in absolute mode (padded to a whole word).
    const QByteArray runs("\x01\x03\x01\x04\x01\x05\x00\x00"
                          "\x00\x03\x00\x01\x02\x00"
                          "\x00\x01",
                          16);
    return withColoursUsed(bitmapFile({40, 3, height, 8, 1, palette(4), runs}), 6);
}

QByteArray rle4File()
{
    const QByteArray runs("\x01\x30\x01\x40\x01\x50\x00\x00"
                          "\x00\x03\x01\x20"
                          "\x00\x01",
                          14);
    return withColoursUsed(bitmapFile({40, 3, 2, 4, 2, palette(4), runs}), 6);
}

QByteArray v5BitFieldsFile()
{
    QByteArray file = bitmapFile({124, 3, 2, 32, 3, {}, sampleRows(4, bgr)});
    file.replace(54, 12, masks(0x00FF0000, 0x0000FF00, 0x000000FF));
    return file;
}

// The sample as Qt widens 5- and 6-bit channels: shifted up, low bits left zero.
QImage widened(int redBits, int greenBits, int blueBits)
{
    QImage image = sampleImage();
    const auto keep = [](int value, int bits) { return value >> (8 - bits) << (8 - bits); };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            image.setPixel(
                x, y,
                qRgb(keep(qRed(c), redBits), keep(qGreen(c), greenBits), keep(qBlue(c), blueBits)));
        }
    }
    return image;
}

QImage indexed(const QImage& image, int colours)
{
    QList<QRgb> table = kColours;
    while (table.size() < colours)
        table += qRgb(static_cast<int>(table.size()), 1, 2);
    return image.convertToFormat(QImage::Format_Indexed8, table);
}

struct FormatCase {
    const char* name;
    QByteArray file;
    QImage expected;
};

TEST(LoadPicture, DecodesEveryUsualKindOfBitmap)
{
    QImage mono(3, 2, QImage::Format_RGB32);
    mono.fill(Qt::white);
    mono.setPixel(1, 0, qRgb(0, 0, 0));
    mono.setPixel(2, 1, qRgb(0, 0, 0));
    const QImage sample = sampleImage();
    const FormatCase cases[] = {
        {"1 bit", themetest::qtBitmapFile(mono.convertToFormat(QImage::Format_Mono)), mono},
        {"4 bits", themetest::qtBitmapFile(indexed(sample, 6)), sample},
        {"8 bits", themetest::qtBitmapFile(indexed(sample, 200)), sample},
        {"16 bits 5-5-5", bitmapFile({40, 3, 2, 16, 0, {}, sampleRows(2, rgb555)}),
         widened(5, 5, 5)},
        {"16 bits 5-6-5 fields",
         bitmapFile({40, 3, 2, 16, 3, masks(0xF800, 0x07E0, 0x001F), sampleRows(2, rgb565)}),
         widened(5, 6, 5)},
        {"24 bits", themetest::qtBitmapFile(sample), sample},
        {"24 bits top-down", bitmapFile({40, 3, -2, 24, 0, {}, sampleRows(3, bgr, true)}), sample},
        {"24 bits core header", bitmapFile({12, 3, 2, 24, 0, {}, sampleRows(3, bgr)}), sample},
        {"8 bits core header",
         bitmapFile({12, 3, 2, 8, 0, palette(3) + QByteArray(250 * 3, '\0'),
                     QByteArray("\x03\x04\x05\x00\x00\x01\x02\x00", 8)}),
         sample},
        {"32 bits", bitmapFile({40, 3, 2, 32, 0, {}, sampleRows(4, bgr)}), sample},
        {"32 bits fields in a version 5 header", v5BitFieldsFile(), sample},
        {"8 bits run-length", rle8File(), sample},
        {"4 bits run-length", rle4File(), sample},
    };
    for (const FormatCase& c : cases) {
        platform::PicturePtr picture;
        try {
            picture = platform::LoadPicture(c.file);
        } catch (const platform::RuntimeError& error) {
            ADD_FAILURE() << c.name << ": " << error.description().toStdString();
            continue;
        }
        ASSERT_TRUE(picture) << c.name;
        EXPECT_EQ(picture->type(), platform::PictureType::Bitmap) << c.name;
        EXPECT_EQ(picture->image(), c.expected.convertToFormat(QImage::Format_RGB32)) << c.name;
    }
}

TEST(LoadPicture, IgnoresBytesPastTheDeclaredSize)
{
    const QByteArray file = themetest::qtBitmapFile(sampleImage());
    const platform::PicturePtr picture = platform::LoadPicture(file + QByteArray(300, '\x55'));
    EXPECT_EQ(picture->image(), sampleImage());
}

struct Damage {
    const char* name;
    std::function<void(QByteArray&)> apply;
    const char* says;
};

TEST(LoadPicture, RejectsTruncatedOrMalformedDataSayingWhatIsWrong)
{
    const QByteArray good = themetest::qtBitmapFile(sampleImage());
    const Damage cases[] = {
        {"ten bytes", [](QByteArray& f) { f.truncate(10); }, "too few"},
        {"no signature", [](QByteArray& f) { f[0] = 'X'; }, "does not begin with \"BM\""},
        {"last byte missing", [](QByteArray& f) { f.chop(1); },
         "declares 78 bytes but the data holds only 77"},
        {"header of 20 bytes", [](QByteArray& f) { putU32(f, 14, 20); }, "header of 20 bytes"},
        {"header cut short",
         [](QByteArray& f) {
             f.truncate(30);
             putU32(f, 2, 30);
         },
         "cut short"},
        {"two planes", [](QByteArray& f) { putU16(f, 26, 2); }, "2 colour planes"},
        {"7 bits", [](QByteArray& f) { putU16(f, 28, 7); }, "7 bits per pixel"},
        {"no width", [](QByteArray& f) { putU32(f, 18, 0); }, "holds no image"},
        {"negative width", [](QByteArray& f) { putU32(f, 18, 0xFFFFFFFD); }, "holds no image"},
        {"no height", [](QByteArray& f) { putU32(f, 22, 0); }, "holds no image"},
        {"sides beyond 16 bits",
         [](QByteArray& f) {
             putU32(f, 18, 100000);
             putU32(f, 22, 100000);
         },
         "too large: a side may have at most 32767 pixels"},
        {"most negative height", [](QByteArray& f) { putU32(f, 22, 0x80000000); },
         "too large: a side may have at most 32767 pixels"},
        {"400 million pixels",
         [](QByteArray& f) {
             putU32(f, 18, 20000);
             putU32(f, 22, 20000);
         },
         "too large: it may have at most 16777216 pixels"},
        {"run-length 24 bits", [](QByteArray& f) { putU32(f, 30, 1); },
         "compression 1 does not go with 24"},
        {"embedded image", [](QByteArray& f) { putU32(f, 30, 4); }, "compression 4"},
        {"pixel offset inside the header", [](QByteArray& f) { putU32(f, 10, 20); }, "offset 20"},
        {"pixel offset past the end", [](QByteArray& f) { putU32(f, 10, 500); }, "offset 500"},
        {"last row missing",
         [](QByteArray& f) {
             f.chop(12);
             putU32(f, 2, 0);
         },
         "needs 78 bytes but the bitmap holds 66"},
        {"more rows than bytes", [](QByteArray& f) { putU32(f, 22, 3000); }, "needs"},
    };
    for (const Damage& c : cases) {
        QByteArray file = good;
        c.apply(file);
        try {
            platform::LoadPicture(file);
            ADD_FAILURE() << c.name << " loaded";
        } catch (const platform::RuntimeError& error) {
            EXPECT_EQ(error.number(), platform::kErrInvalidPicture) << c.name;
            EXPECT_TRUE(error.description().contains(QString::fromUtf8(c.says)))
                << c.name << ": " << error.description().toStdString();
        }
    }
}

TEST(LoadPicture, RejectsMalformedPalettesMasksAndRuns)
{
    QByteArray fields =
        bitmapFile({40, 3, 2, 16, 3, masks(0xF800, 0, 0x001F), sampleRows(2, rgb565)});
    QByteArray tooManyColours = withColoursUsed(rle8File(), 257);
    QByteArray shortTable = bitmapFile({40, 3, 2, 8, 0, palette(4), {}});
    QByteArray topDownRuns = rle8File(-2);
    QByteArray cutRuns = rle8File();
    cutRuns.chop(2);
    putU32(cutRuns, 2, 0);
    const std::pair<QByteArray, const char*> cases[] = {
        {fields, "mask is empty"},
        {tooManyColours, "257 palette colours"},
        {shortTable, "colour table is cut short"},
        {topDownRuns, "top-down"},
        {cutRuns, "needs 94 bytes but the bitmap holds 92"},
    };
    for (const auto& [file, says] : cases) {
        try {
            platform::LoadPicture(file);
            ADD_FAILURE() << says << ": loaded";
        } catch (const platform::RuntimeError& error) {
            EXPECT_TRUE(error.description().contains(QString::fromUtf8(says)))
                << error.description().toStdString();
        }
    }
}

TEST(LoadPicture, RefusesARunLengthBitmapOfEnormousSizeFromAFewBytes)
{
    // Four bytes of runs could leave a 30000 × 30000 bitmap blank: refused unread.
    QByteArray file = bitmapFile({40, 30000, 30000, 8, 1, palette(4), QByteArray("\x00\x01", 2)});
    EXPECT_THROW(platform::LoadPicture(file), platform::RuntimeError);
    EXPECT_THROW(platform::LoadPicture(themetest::qtBitmapFile(sampleImage()), 5),
                 platform::RuntimeError);
    EXPECT_NO_THROW(platform::LoadPicture(themetest::qtBitmapFile(sampleImage()), 6));
}

TEST(SavePicture, WritesA24BitBitmapThatReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("face.bmp");
    const platform::Picture picture(indexed(sampleImage(), 6));
    platform::SavePicture(picture, path);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(qFromLittleEndian<std::uint16_t>(bytes.constData() + 28), 24);
    EXPECT_EQ(platform::LoadPicture(bytes)->image(), sampleImage());
}

TEST(SavePicture, RefusesAPictureWithoutABitmapAndAnUnwritablePath)
{
    EXPECT_THROW(platform::SavePicture(platform::Picture(), QStringLiteral("unused.bmp")),
                 platform::RuntimeError);
    try {
        platform::SavePicture(platform::Picture(sampleImage()),
                              QStringLiteral("/nonexistent/dir/x.bmp"));
        ADD_FAILURE() << "saved";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), platform::kErrPathFileAccess);
    }
}

} // namespace
