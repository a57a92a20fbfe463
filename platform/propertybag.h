#pragma once

#include "platform/picture.h"

#include <QFont>
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <vector>

Q_DECLARE_METATYPE(platform::PicturePtr)

// A stored property set: the named, typed values a host keeps for one control
// instance. Values are QVariants of qint16, qint32, bool, QString, QFont or
// platform::PicturePtr. Names are compared without regard to case and kept in
// lower case.
namespace platform {

class PropertyBag {
public:
    // The stored value, or defaultValue when the name is not stored.
    QVariant readProperty(const QString& name, const QVariant& defaultValue = {}) const;

    // Stores the value unless it equals defaultValue (a null defaultValue means
    // "no default": the value is always stored). Equality follows the stored sets'
    // rules: numbers compare by value, a number and a numeric text by their numbers.
    // A value equal to its default also removes what an earlier write stored; so
    // does a null value, which stands for "nothing to store". A value of any other
    // type than the six above is refused with kErrTypeMismatch.
    void writeProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = {});

    bool contains(const QString& name) const;
    void remove(const QString& name);

    // The stored names, in lower case, in the order they were first written.
    QStringList names() const;

    // Two sets are equal when they hold the same names with values of the same type
    // and content (pictures by their type, size and pixels), in any order.
    bool operator==(const PropertyBag& other) const;

private:
    struct Entry {
        QString name;
        QVariant value;
    };
    const Entry* find(const QString& name) const;
    std::vector<Entry> m_entries;
};

// Conversions of a stored value as a control reads it back. Numbers, Booleans
// (True is −1) and numeric texts convert; a fraction goes to the nearest whole
// number, halves to the even one. A value out of the target's range raises
// kErrOverflow; anything else that is not a number raises kErrTypeMismatch.
std::int16_t toInt16(const QVariant& value);
std::int32_t toInt32(const QVariant& value);
// Non-zero is True.
bool toBoolean(const QVariant& value);
// Texts as they are, numbers in decimal, Booleans as "True" and "False"; fonts and
// pictures raise kErrTypeMismatch.
QString toText(const QVariant& value);

} // namespace platform
