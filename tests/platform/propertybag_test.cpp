#include "platform/propertybag.h"
#include "platform/runtimeerror.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using platform::PropertyBag;

QVariant int16(int v)
{
    return QVariant::fromValue(static_cast<qint16>(v));
}
QVariant int32(int v)
{
    return QVariant::fromValue(static_cast<qint32>(v));
}
QVariant text(const char* v)
{
    return QVariant(QString::fromUtf8(v));
}

int errorNumberOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const platform::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(PropertyBag, NamesMatchInAnyCaseAndAreKeptInLowerCase)
{
    PropertyBag bag;
    bag.writeProperty("Skin_Cords", text("1,2,3,4,5,6,7,8"));
    bag.writeProperty("PicState1", int16(1));
    bag.writeProperty("SKIN_cords", text("8,7,6,5,4,3,2,1"));

    EXPECT_EQ(bag.names(), QStringList({"skin_cords", "picstate1"}));
    EXPECT_EQ(bag.readProperty("skin_CORDS").toString(), "8,7,6,5,4,3,2,1");
    EXPECT_TRUE(bag.contains("PICSTATE1"));
    bag.remove("picSTATE1");
    EXPECT_FALSE(bag.contains("PicState1"));
}

TEST(PropertyBag, ValueEqualToTheWriteDefaultIsNotStored)
{
    struct Case {
        const char* what;
        QVariant value;
        QVariant defaultValue;
        bool stored;
    };
    const QString display = QStringLiteral("Display");
    const Case cases[] = {
        {"True against the text 0", int32(-1), text("0"), true},
        {"False against the text 0", int32(0), text("0"), false},
        {"Boolean False against the text 0", QVariant(false), text("0"), false},
        {"Boolean True against the text 0", QVariant(true), text("0"), true},
        {"Boolean True against -1", QVariant(true), int16(-1), false},
        {"16-bit against 32-bit of the same value", int16(10), int32(10), false},
        {"different numbers", int16(26), int16(10), true},
        {"a system colour against itself", int32(int(0x8000000F)), int32(int(0x8000000F)), false},
        {"numeric text against a number", text(" 1.0 "), int32(1), false},
        {"a number against a text that is no number", int16(0), text("none"), true},
        {"equal texts", QVariant(display), QVariant(display), false},
        {"texts differing in case", text("display"), QVariant(display), true},
        {"no default given", int16(0), QVariant(), true},
        {"a font against an equal font", QVariant(QFont("Tahoma", 9)), QVariant(QFont("Tahoma", 9)),
         false},
        {"a font against another size", QVariant(QFont("Tahoma", 9)), QVariant(QFont("Tahoma", 10)),
         true},
    };
    for (const Case& c : cases) {
        PropertyBag bag;
        bag.writeProperty("Value", c.value, c.defaultValue);
        EXPECT_EQ(bag.contains("value"), c.stored) << c.what;
    }
}

TEST(PropertyBag, AbsentNameReadsAsTheReadDefaultAndStoredValuesKeepTheirType)
{
    PropertyBag bag;
    bag.writeProperty("Characters", int16(26), int16(10));

    EXPECT_EQ(bag.readProperty("Color", int32(255)), int32(255));
    EXPECT_FALSE(bag.readProperty("Color").isValid());
    const QVariant stored = bag.readProperty("characters", int16(10));
    EXPECT_EQ(stored.metaType(), QMetaType::fromType<qint16>());
    EXPECT_EQ(stored.value<qint16>(), 26);
}

TEST(PropertyBag, RewritingTheDefaultOrNothingRemovesAnEarlierValue)
{
    PropertyBag bag;
    bag.writeProperty("Enabled", int32(-1), text("0"));
    bag.writeProperty("BtnPicture", QVariant::fromValue(platform::makePicture(QImage())));
    bag.writeProperty("enabled", int32(0), text("0"));
    bag.writeProperty("btnpicture", QVariant());
    EXPECT_TRUE(bag.names().isEmpty());
}

TEST(PropertyBag, RefusesValuesItCannotStore)
{
    PropertyBag bag;
    EXPECT_EQ(errorNumberOf([&] { bag.writeProperty("Ratio", QVariant(0.5)); }),
              platform::kErrTypeMismatch);
    EXPECT_EQ(errorNumberOf([&] { bag.writeProperty("Count", QVariant(qint64(1))); }),
              platform::kErrTypeMismatch);
    EXPECT_FALSE(bag.contains("Ratio"));
}

TEST(PropertyBag, EqualityIgnoresOrderButNotTypeOrPixels)
{
    QImage red(2, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage blue = red;
    blue.setPixel(1, 1, qRgb(0, 0, 255));

    PropertyBag a;
    a.writeProperty("Caption", text("Exit"));
    a.writeProperty("PicState1", QVariant::fromValue(platform::makePicture(red)));
    PropertyBag b;
    b.writeProperty("picstate1", QVariant::fromValue(platform::makePicture(red)));
    b.writeProperty("caption", text("Exit"));
    EXPECT_TRUE(a == b);

    PropertyBag otherPixels = b;
    otherPixels.writeProperty("PicState1", QVariant::fromValue(platform::makePicture(blue)));
    EXPECT_FALSE(a == otherPixels);

    PropertyBag numbers;
    numbers.writeProperty("Characters", int16(26));
    PropertyBag wider;
    wider.writeProperty("Characters", int32(26));
    EXPECT_FALSE(numbers == wider);
}

TEST(StoredValueConversion, ConvertsNumbersAndNumericTexts)
{
    struct Case {
        QVariant value;
        int expected; // 0 when an error is expected
        int error;
    };
    const Case int16Cases[] = {
        {text("26"), 26, 0},
        {text(" 2.5"), 2, 0},
        {text("3.5"), 4, 0},
        {QVariant(true), -1, 0},
        {int32(-32768), -32768, 0},
        {text("True"), -1, 0},
        {int32(32768), 0, platform::kErrOverflow},
        {text("32767.5"), 0, platform::kErrOverflow},
        {text("abc"), 0, platform::kErrTypeMismatch},
        {text(""), 0, platform::kErrTypeMismatch},
        {QVariant(QFont("Tahoma")), 0, platform::kErrTypeMismatch},
        {QVariant(), 0, platform::kErrTypeMismatch},
    };
    for (const Case& c : int16Cases) {
        int result = 0;
        const int error = errorNumberOf([&] { result = platform::toInt16(c.value); });
        EXPECT_EQ(error, c.error) << c.value.toString().toStdString();
        EXPECT_EQ(result, c.expected) << c.value.toString().toStdString();
    }
    EXPECT_EQ(platform::toInt32(text("-2147483633")), int(0x8000000F));
    EXPECT_EQ(errorNumberOf([] { platform::toInt32(text("2147483648")); }), platform::kErrOverflow);
}

TEST(StoredValueConversion, NonZeroIsTrue)
{
    EXPECT_FALSE(platform::toBoolean(text("0")));
    EXPECT_FALSE(platform::toBoolean(QVariant(false)));
    EXPECT_TRUE(platform::toBoolean(int16(-1)));
    EXPECT_TRUE(platform::toBoolean(int32(2)));
    EXPECT_TRUE(platform::toBoolean(text("true")));
    EXPECT_EQ(errorNumberOf([] { platform::toBoolean(text("yes")); }), platform::kErrTypeMismatch);
}

} // namespace

namespace {

TEST(StoredValueConversion, TextOfNumbersBooleansAndTexts)
{
    EXPECT_EQ(platform::toText(QVariant(QStringLiteral("Display"))), "Display");
    EXPECT_EQ(platform::toText(QVariant::fromValue(qint16(26))), "26");
    EXPECT_EQ(platform::toText(QVariant(true)), "True");
    try {
        platform::toText(QVariant(QFont("Tahoma")));
        ADD_FAILURE() << "a font has no text";
    } catch (const platform::RuntimeError& e) {
        EXPECT_EQ(e.number(), platform::kErrTypeMismatch);
    }
}

} // namespace
