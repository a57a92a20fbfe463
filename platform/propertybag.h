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
    void writeProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = {});

    bool contains(const QString& name) const;
    void remove(const QString& name);

    // The stored names, in lower case, in the order they were first written.
    QStringList names() const;

    bool operator==(const PropertyBag& other) const;

private:
    struct Entry {
        QString name;
        QVariant value;
    };
    const Entry* find(const QString& name) const;
    std::vector<Entry> m_entries;
};

} // namespace platform
