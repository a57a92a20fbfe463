#include "platform/formfile.h"

#include "platform/runtimeerror.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <cmath>
#include <limits>

namespace platform {
namespace {

constexpr int kFormatVersion = 1;
constexpr qsizetype kBase64LineLength = 64;

[[noreturn]] void fail(const QString& what)
{
    throw RuntimeError(kErrInvalidFileFormat, QStringLiteral("Invalid form file: %1").arg(what));
}

// --- writing ---------------------------------------------------------------------

QJsonArray base64Lines(const QByteArray& bytes)
{
    const QByteArray encoded = bytes.toBase64();
    QJsonArray lines;
    for (qsizetype at = 0; at < encoded.size(); at += kBase64LineLength)
        lines.append(QString::fromLatin1(encoded.mid(at, kBase64LineLength)));
    return lines;
}

QJsonObject fontToJson(const QFont& font)
{
    QJsonObject json;
    json["family"] = font.family();
    if (font.pointSizeF() > 0)
        json["pointSize"] = font.pointSizeF();
    else
        json["pixelSize"] = font.pixelSize();
    json["weight"] = font.weight();
    json["italic"] = font.italic();
    json["underline"] = font.underline();
    json["strikeOut"] = font.strikeOut();
    // Qt's fonts are Unicode and carry no character set; the stored sets' fonts are
    // all of the default set 0.
    json["charset"] = 0;
    return json;
}

QString pictureKindName(PictureType type)
{
    switch (type) {
    case PictureType::Bitmap: return QStringLiteral("bitmap");
    case PictureType::Metafile: return QStringLiteral("metafile");
    case PictureType::Icon: return QStringLiteral("icon");
    case PictureType::None: break;
    }
    return QStringLiteral("empty");
}

QJsonValue pictureToJson(const PicturePtr& picture)
{
    if (!picture)
        return QJsonValue::Null;
    QJsonObject json;
    json["kind"] = pictureKindName(picture->type());
    if (picture->type() == PictureType::Bitmap) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture->image().save(&buffer, "PNG");
        json["width"] = picture->image().width();
        json["height"] = picture->image().height();
        json["png"] = base64Lines(png);
    } else {
        json["himetricWidth"] = picture->himetricWidth();
        json["himetricHeight"] = picture->himetricHeight();
    }
    return json;
}

QJsonObject propertyToJson(const QString& name, const QVariant& value)
{
    QJsonObject json;
    json["name"] = name;
    switch (value.metaType().id()) {
    case QMetaType::Short:
        json["type"] = "int16";
        json["value"] = value.toInt();
        break;
    case QMetaType::Int:
        json["type"] = "int32";
        json["value"] = value.toInt();
        break;
    case QMetaType::Bool:
        json["type"] = "bool";
        json["value"] = value.toBool();
        break;
    case QMetaType::QString:
        json["type"] = "string";
        json["value"] = value.toString();
        break;
    case QMetaType::QFont:
        json["type"] = "font";
        json["value"] = fontToJson(value.value<QFont>());
        break;
    default:
        json["type"] = "picture";
        json["value"] = pictureToJson(value.value<PicturePtr>());
        break;
    }
    return json;
}

QJsonArray propertiesToJson(const PropertyBag& bag)
{
    QJsonArray properties;
    for (const QString& name : bag.names())
        properties.append(propertyToJson(name, bag.readProperty(name)));
    return properties;
}

QJsonObject controlToJson(const StoredControl& control)
{
    QJsonObject json;
    json["class"] = control.className;
    json["name"] = control.name;
    json["left"] = control.left;
    json["top"] = control.top;
    json["width"] = control.width;
    json["height"] = control.height;
    json["extentX"] = control.extentX;
    json["extentY"] = control.extentY;
    json["properties"] = propertiesToJson(control.properties);
    return json;
}

// --- reading ---------------------------------------------------------------------

QJsonValue member(const QJsonObject& object, const char* key, const QString& where)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        fail(QStringLiteral("%1 has no \"%2\"").arg(where, QLatin1String(key)));
    return value;
}

QString textMember(const QJsonObject& object, const char* key, const QString& where)
{
    const QJsonValue value = member(object, key, where);
    if (!value.isString())
        fail(QStringLiteral("\"%1\" of %2 is not a text").arg(QLatin1String(key), where));
    return value.toString();
}

bool booleanMember(const QJsonObject& object, const char* key, const QString& where)
{
    const QJsonValue value = member(object, key, where);
    if (!value.isBool())
        fail(QStringLiteral("\"%1\" of %2 is not true or false").arg(QLatin1String(key), where));
    return value.toBool();
}

double numberOf(const QJsonValue& value, const char* key, const QString& where)
{
    if (!value.isDouble())
        fail(QStringLiteral("\"%1\" of %2 is not a number").arg(QLatin1String(key), where));
    return value.toDouble();
}

std::int64_t wholeNumberOf(const QJsonValue& value, const char* key, const QString& where,
                           std::int64_t lowest, std::int64_t highest)
{
    const double number = numberOf(value, key, where);
    if (number != std::floor(number) || number < double(lowest) || number > double(highest))
        fail(QStringLiteral("\"%1\" of %2 is not a whole number from %3 to %4")
                 .arg(QLatin1String(key), where)
                 .arg(lowest)
                 .arg(highest));
    return std::int64_t(number);
}

std::int32_t int32Member(const QJsonObject& object, const char* key, const QString& where)
{
    return std::int32_t(wholeNumberOf(member(object, key, where), key, where,
                                      std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max()));
}

// A control's width or height: twips in a signed 16-bit value, as on the platform the
// stored sets come from, so no form asks for a control too large to draw.
std::int32_t controlSizeMember(const QJsonObject& object, const char* key, const QString& where)
{
    return std::int32_t(wholeNumberOf(member(object, key, where), key, where, 0,
                                      std::numeric_limits<std::int16_t>::max()));
}

QJsonObject objectOf(const QJsonValue& value, const QString& where)
{
    if (!value.isObject())
        fail(QStringLiteral("%1 is not an object").arg(where));
    return value.toObject();
}

QJsonArray arrayMember(const QJsonObject& object, const char* key, const QString& where)
{
    const QJsonValue value = member(object, key, where);
    if (!value.isArray())
        fail(QStringLiteral("\"%1\" of %2 is not a list").arg(QLatin1String(key), where));
    return value.toArray();
}

QFont fontFromJson(const QJsonObject& json, const QString& where)
{
    QFont font;
    font.setFamily(textMember(json, "family", where));
    if (json.contains(QLatin1String("pointSize"))) {
        const double size = numberOf(json.value(QLatin1String("pointSize")), "pointSize", where);
        if (!(size > 0 && size < 10000))
            fail(QStringLiteral("the point size of %1 is out of range").arg(where));
        font.setPointSizeF(size);
    } else {
        font.setPixelSize(
            int(wholeNumberOf(member(json, "pixelSize", where), "pixelSize", where, 1, 10000)));
    }
    font.setWeight(
        QFont::Weight(wholeNumberOf(member(json, "weight", where), "weight", where, 1, 1000)));
    font.setItalic(booleanMember(json, "italic", where));
    font.setUnderline(booleanMember(json, "underline", where));
    font.setStrikeOut(booleanMember(json, "strikeOut", where));
    wholeNumberOf(member(json, "charset", where), "charset", where, 0, 255);
    return font;
}

QImage imageFromBase64Lines(const QJsonArray& lines, const QString& where)
{
    QByteArray encoded;
    for (const QJsonValue& line : lines) {
        if (!line.isString())
            fail(QStringLiteral("the picture data of %1 holds a line that is no text").arg(where));
        encoded += line.toString().toLatin1();
    }
    const auto decoded =
        QByteArray::fromBase64Encoding(encoded, QByteArray::AbortOnBase64DecodingErrors);
    QImage image;
    if (!decoded || !image.loadFromData(*decoded, "PNG"))
        fail(QStringLiteral("the picture of %1 is not a PNG image").arg(where));
    return image;
}

PicturePtr pictureFromJson(const QJsonValue& value, const QString& where)
{
    if (value.isNull())
        return nullptr;
    const QJsonObject json = objectOf(value, where);
    const QString kind = textMember(json, "kind", where);
    if (kind == QLatin1String("bitmap")) {
        const QImage image = imageFromBase64Lines(arrayMember(json, "png", where), where);
        if (image.width() != int32Member(json, "width", where) ||
            image.height() != int32Member(json, "height", where))
            fail(QStringLiteral("the picture of %1 does not have the size given").arg(where));
        return makePicture(image);
    }
    PictureType type = PictureType::None;
    if (kind == QLatin1String("icon"))
        type = PictureType::Icon;
    else if (kind == QLatin1String("metafile"))
        type = PictureType::Metafile;
    else if (kind != QLatin1String("empty"))
        fail(QStringLiteral("%1 is of the unknown picture kind \"%2\"").arg(where, kind));
    return std::make_shared<Picture>(
        Picture::nonBitmap(type, int32Member(json, "himetricWidth", where),
                           int32Member(json, "himetricHeight", where)));
}

QVariant propertyValueFromJson(const QJsonObject& json, const QString& where)
{
    const QString type = textMember(json, "type", where);
    const QJsonValue value = member(json, "value", where);
    if (type == QLatin1String("int16"))
        return QVariant::fromValue(
            qint16(wholeNumberOf(value, "value", where, std::numeric_limits<qint16>::min(),
                                 std::numeric_limits<qint16>::max())));
    if (type == QLatin1String("int32"))
        return QVariant::fromValue(
            qint32(wholeNumberOf(value, "value", where, std::numeric_limits<qint32>::min(),
                                 std::numeric_limits<qint32>::max())));
    if (type == QLatin1String("bool"))
        return booleanMember(json, "value", where);
    if (type == QLatin1String("string"))
        return textMember(json, "value", where);
    if (type == QLatin1String("font"))
        return fontFromJson(objectOf(value, where), where);
    if (type == QLatin1String("picture"))
        return QVariant::fromValue(pictureFromJson(value, where));
    fail(QStringLiteral("%1 is of the unknown type \"%2\"").arg(where, type));
}

PropertyBag propertiesFromJson(const QJsonArray& entries, const QString& owner)
{
    PropertyBag bag;
    for (const QJsonValue& entry : entries) {
        const QJsonObject property = objectOf(entry, QStringLiteral("a property of ") + owner);
        const QString name = textMember(property, "name", QStringLiteral("a property of ") + owner);
        const QString at = QStringLiteral("property \"%1\" of %2").arg(name, owner);
        bag.writeProperty(name, propertyValueFromJson(property, at));
    }
    return bag;
}

StoredControl controlFromJson(const QJsonObject& json, const QString& where)
{
    StoredControl control;
    control.className = textMember(json, "class", where);
    control.name = textMember(json, "name", where);
    const QString named = QStringLiteral("control \"%1\"").arg(control.name);
    control.left = int32Member(json, "left", named);
    control.top = int32Member(json, "top", named);
    control.width = controlSizeMember(json, "width", named);
    control.height = controlSizeMember(json, "height", named);
    control.extentX = int32Member(json, "extentX", named);
    control.extentY = int32Member(json, "extentY", named);
    control.properties = propertiesFromJson(arrayMember(json, "properties", named), named);
    return control;
}

} // namespace

QByteArray formToText(const StoredForm& form)
{
    QJsonObject json;
    json["vantrelForm"] = kFormatVersion;
    json["form"] = form.name;
    QJsonArray controls;
    for (const StoredControl& control : form.controls)
        controls.append(controlToJson(control));
    json["controls"] = controls;
    return QJsonDocument(json).toJson(QJsonDocument::Indented);
}

StoredForm formFromText(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QStringLiteral("%1 at offset %2").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        fail(QStringLiteral("the text is not a form"));
    const QJsonObject json = document.object();
    const QString where = QStringLiteral("the form");
    if (wholeNumberOf(member(json, "vantrelForm", where), "vantrelForm", where, 0,
                      std::numeric_limits<std::int32_t>::max()) != kFormatVersion)
        fail(QStringLiteral("the form is of another version"));
    StoredForm form;
    form.name = textMember(json, "form", where);
    for (const QJsonValue& entry : arrayMember(json, "controls", where)) {
        const QString at = QStringLiteral("control %1").arg(form.controls.size() + 1);
        form.controls.push_back(controlFromJson(objectOf(entry, at), at));
    }
    return form;
}

void saveFormFile(const QString& path, const StoredForm& form)
{
    const QByteArray text = formToText(form);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw RuntimeError(
            kErrPathFileAccess,
            QStringLiteral("Cannot save the form file %1: %2").arg(path, file.errorString()));
}

StoredForm loadFormFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        throw RuntimeError(kErrFileNotFound, QStringLiteral("File not found: %1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(
            kErrPathFileAccess,
            QStringLiteral("Cannot read the form file %1: %2").arg(path, file.errorString()));
    return formFromText(file.readAll());
}

QByteArray propertiesToText(const PropertyBag& properties)
{
    return QJsonDocument(propertiesToJson(properties)).toJson(QJsonDocument::Indented);
}

PropertyBag propertiesFromText(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QStringLiteral("%1 at offset %2").arg(error.errorString()).arg(error.offset));
    if (!document.isArray())
        fail(QStringLiteral("the text is not a stored set"));
    return propertiesFromJson(document.array(), QStringLiteral("the stored set"));
}

} // namespace platform
