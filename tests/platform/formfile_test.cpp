#include "platform/formfile.h"
#include "platform/runtimeerror.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using platform::StoredControl;
using platform::StoredForm;

QVariant int16(int v)
{
    return QVariant::fromValue(static_cast<qint16>(v));
}
QVariant int32(int v)
{
    return QVariant::fromValue(static_cast<qint32>(v));
}
QVariant picture(const platform::Picture& p)
{
    return QVariant::fromValue(std::make_shared<platform::Picture>(p));
}

QImage noisyImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            image.setPixel(x, y,
                           qRgb(int(seed >> 24), int(seed >> 16) & 0xFF, int(seed >> 8) & 0xFF));
        }
    }
    return image;
}

QFont font(const QString& family, double points, int weight)
{
    QFont f;
    f.setFamily(family);
    f.setPointSizeF(points);
    f.setWeight(QFont::Weight(weight));
    return f;
}

// A form holding every kind of value the stored sets keep.
StoredForm sampleForm()
{
    StoredControl button;
    button.className = "ctlButton";
    button.name = "ctlButton1";
    button.left = 6120;
    button.top = 7440;
    button.width = 1215;
    button.height = 495;
    button.extentX = 2143;
    button.extentY = 873;
    button.properties.writeProperty("Font", font("Tahoma", 9.75, 700));
    button.properties.writeProperty("theme_no", int16(-32768));
    button.properties.writeProperty("Backcolor", int32(int(0x8000000F)));
    button.properties.writeProperty("Caption", QString::fromUtf8("E\"x\\it\n\u00e9\u20ac"));
    button.properties.writeProperty("ToolbarMode", QVariant(false));
    button.properties.writeProperty("PicState1",
                                    QVariant::fromValue(platform::makePicture(noisyImage(81, 33))));
    button.properties.writeProperty("PicState2", picture(platform::Picture()));
    button.properties.writeProperty(
        "PicState3", picture(platform::Picture::nonBitmap(platform::PictureType::Icon, 847, 846)));
    button.properties.writeProperty("BtnPicture", QVariant::fromValue(platform::PicturePtr()));

    StoredControl display;
    display.className = "Display";
    display.name = "Display1";
    display.left = -15;
    display.width = 6240;
    display.height = 330;
    display.extentX = 11007;
    display.extentY = 582;
    display.properties.writeProperty("Characters", int16(26));
    QFont odd = font("Berlin Sans FB", 8.25, 400);
    odd.setItalic(true);
    odd.setUnderline(true);
    odd.setStrikeOut(true);
    display.properties.writeProperty("Font", odd);
    QFont pixels;
    pixels.setFamily("Tahoma");
    pixels.setPixelSize(13);
    display.properties.writeProperty("OtherFont", pixels);

    StoredForm form;
    form.name = "Form1";
    form.controls = {button, display};
    return form;
}

int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const platform::RuntimeError& e) {
        EXPECT_FALSE(e.description().isEmpty());
        return e.number();
    }
    return 0;
}

TEST(FormFile, TextRoundTripKeepsEveryValue)
{
    const StoredForm form = sampleForm();
    const StoredForm back = platform::formFromText(platform::formToText(form));
    EXPECT_TRUE(back == form);
    ASSERT_EQ(back.controls.size(), 2u);
    // Names stay in their written order.
    EXPECT_EQ(back.controls[0].properties.names(), form.controls[0].properties.names());
}

TEST(FormFile, FileRoundTripReplacesAnEarlierFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Form1.vform");
    StoredForm first;
    first.name = "Old";
    platform::saveFormFile(path, first);
    platform::saveFormFile(path, sampleForm());
    EXPECT_TRUE(platform::loadFormFile(path) == sampleForm());
}

TEST(FormFile, TextIsReadableLineByLine)
{
    StoredForm form = sampleForm();
    form.controls[0].properties.writeProperty(
        "PicState1", QVariant::fromValue(platform::makePicture(noisyImage(128, 128))));
    const QByteArray text = platform::formToText(form);
    for (const QByteArray& line : text.split('\n'))
        EXPECT_LE(line.size(), 100) << line.toStdString();
    EXPECT_TRUE(text.contains("\"name\": \"caption\""));
    EXPECT_TRUE(text.contains("\"family\": \"Tahoma\""));
    EXPECT_TRUE(text.contains("\"class\": \"ctlButton\""));
}

TEST(FormFile, ChangingOneValueChangesFewLines)
{
    StoredForm form = sampleForm();
    const QList<QByteArray> before = platform::formToText(form).split('\n');
    form.controls[1].properties.writeProperty("Characters", int16(25));
    const QList<QByteArray> after = platform::formToText(form).split('\n');
    ASSERT_EQ(before.size(), after.size());
    int changed = 0;
    for (qsizetype i = 0; i < before.size(); ++i)
        changed += before[i] != after[i];
    EXPECT_EQ(changed, 1);
}

TEST(FormFile, RefusesTextThatIsNoForm)
{
    QByteArray good = platform::formToText(sampleForm());
    struct Case {
        const char* what;
        QByteArray text;
    };
    auto replaced = [&](const char* from, const char* to) {
        QByteArray copy = good;
        const qsizetype at = copy.indexOf(from);
        EXPECT_GE(at, 0) << from;
        return copy.replace(at, qsizetype(qstrlen(from)), to);
    };
    const Case cases[] = {
        {"empty", ""},
        {"no JSON", "Begin Form1"},
        {"a list", "[1, 2]"},
        {"no version", replaced("\"vantrelForm\": 1", "\"vantrelFormX\": 1")},
        {"another version", replaced("\"vantrelForm\": 1", "\"vantrelForm\": 2")},
        {"a 16-bit value out of range", replaced("\"value\": 26", "\"value\": 40000")},
        {"a fraction", replaced("\"value\": 26", "\"value\": 2.5")},
        {"an unknown type", replaced("\"type\": \"int16\"", "\"type\": \"int8\"")},
        {"a picture size that differs", replaced("\"width\": 81", "\"width\": 80")},
        {"broken picture data", replaced("\"iVBOR", "\"*VBOR")},
        {"an unknown picture kind", replaced("\"kind\": \"icon\"", "\"kind\": \"cursor\"")},
        {"a control without a name", replaced("\"name\": \"Display1\"", "\"nom\": \"Display1\"")},
        {"a position that is no number", replaced("\"left\": -15", "\"left\": \"-15\"")},
        {"a font weight out of range", replaced("\"weight\": 700", "\"weight\": 7000")},
        {"a control too wide to draw", replaced("\"width\": 1215", "\"width\": 300000")},
        {"a control of negative height", replaced("\"height\": 330", "\"height\": -330")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorNumberOf([&] { platform::formFromText(c.text); }),
                  platform::kErrInvalidFileFormat)
            << c.what;
    }
}

TEST(FormFile, MissingAndUnwritableFilesRaiseTheirErrors)
{
    QTemporaryDir dir;
    EXPECT_EQ(errorNumberOf([&] { platform::loadFormFile(dir.filePath("none.vform")); }),
              platform::kErrFileNotFound);
    EXPECT_EQ(errorNumberOf([&] {
                  platform::saveFormFile(dir.filePath("no/such/folder/f.vform"), sampleForm());
              }),
              platform::kErrPathFileAccess);
}

} // namespace
