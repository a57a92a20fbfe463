#include "platform/propertybag.h"

#include "platform/runtimeerror.h"
#include "platform/units.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace platform {
namespace {

bool isPicture(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<PicturePtr>();
}

bool isNumber(const QVariant& value)
{
    const int type = value.metaType().id();
    return type == QMetaType::Short || type == QMetaType::Int || type == QMetaType::Bool;
}

bool isText(const QVariant& value)
{
    return value.metaType().id() == QMetaType::QString;
}

// The number a text stands for: a decimal number, or "True" (−1) and "False" (0).
std::optional<double> numberFromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return -1.0;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return 0.0;
    bool ok = false;
    const double number = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<double> numberOf(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? -1.0 : 0.0;
    if (isNumber(value))
        return value.toDouble();
    if (isText(value))
        return numberFromText(value.toString());
    return std::nullopt;
}

bool picturesEqual(const PicturePtr& a, const PicturePtr& b)
{
    if (a == b)
        return true;
    if (!a || !b)
        return false;
    return a->type() == b->type() && a->isEmpty() == b->isEmpty() &&
           a->himetricWidth() == b->himetricWidth() && a->himetricHeight() == b->himetricHeight() &&
           a->image() == b->image();
}

// The stored sets' equality: numbers and numeric texts by their numbers, texts
// exactly, fonts by their attributes, pictures by content.
bool valuesMatch(const QVariant& a, const QVariant& b)
{
    if (isText(a) && isText(b))
        return a.toString() == b.toString();
    if (isNumber(a) || isNumber(b)) {
        const std::optional<double> x = numberOf(a);
        const std::optional<double> y = numberOf(b);
        return x && y && *x == *y;
    }
    if (isPicture(a) && isPicture(b))
        return picturesEqual(a.value<PicturePtr>(), b.value<PicturePtr>());
    if (a.metaType().id() == QMetaType::QFont && b.metaType().id() == QMetaType::QFont)
        return a.value<QFont>() == b.value<QFont>();
    return false;
}

double wholeNumberOf(const QVariant& value)
{
    const std::optional<double> number = numberOf(value);
    if (!number)
        throw RuntimeError(kErrTypeMismatch);
    return roundHalfEven(*number);
}

template <typename Int> Int toInteger(const QVariant& value)
{
    const double whole = wholeNumberOf(value);
    if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
        throw RuntimeError(kErrOverflow);
    return static_cast<Int>(whole);
}

// Whether the variant holds one of the value types a stored set keeps.
bool isStorableValue(const QVariant& value)
{
    const int type = value.metaType().id();
    return isNumber(value) || type == QMetaType::QString || type == QMetaType::QFont ||
           isPicture(value);
}

} // namespace

std::int16_t toInt16(const QVariant& value)
{
    return toInteger<std::int16_t>(value);
}

std::int32_t toInt32(const QVariant& value)
{
    return toInteger<std::int32_t>(value);
}

bool toBoolean(const QVariant& value)
{
    const std::optional<double> number = numberOf(value);
    if (!number)
        throw RuntimeError(kErrTypeMismatch);
    return *number != 0.0;
}

QString toText(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (isNumber(value) || isText(value))
        return value.toString();
    throw RuntimeError(kErrTypeMismatch);
}

QVariant PropertyBag::readProperty(const QString& name, const QVariant& defaultValue) const
{
    const Entry* entry = find(name);
    return entry ? entry->value : defaultValue;
}

void PropertyBag::writeProperty(const QString& name, const QVariant& value,
                                const QVariant& defaultValue)
{
    if (!value.isValid() || (defaultValue.isValid() && valuesMatch(value, defaultValue))) {
        remove(name);
        return;
    }
    if (!isStorableValue(value))
        throw RuntimeError(kErrTypeMismatch,
                           QStringLiteral("A stored property set cannot hold a value of type %1")
                               .arg(QString::fromLatin1(value.typeName())));
    for (Entry& entry : m_entries) {
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0) {
            entry.value = value;
            return;
        }
    }
    m_entries.push_back({name.toLower(), value});
}

bool PropertyBag::contains(const QString& name) const
{
    return find(name) != nullptr;
}

void PropertyBag::remove(const QString& name)
{
    std::erase_if(m_entries, [&](const Entry& entry) {
        return entry.name.compare(name, Qt::CaseInsensitive) == 0;
    });
}

QStringList PropertyBag::names() const
{
    QStringList result;
    result.reserve(qsizetype(m_entries.size()));
    for (const Entry& entry : m_entries)
        result.append(entry.name);
    return result;
}

bool PropertyBag::operator==(const PropertyBag& other) const
{
    if (m_entries.size() != other.m_entries.size())
        return false;
    return std::all_of(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
        const Entry* match = other.find(entry.name);
        return match && match->value.metaType() == entry.value.metaType() &&
               valuesMatch(match->value, entry.value);
    });
}

const PropertyBag::Entry* PropertyBag::find(const QString& name) const
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& entry) {
        return entry.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return it == m_entries.end() ? nullptr : &*it;
}

} // namespace platform
