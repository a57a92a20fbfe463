#pragma once

#include "platform/propertybag.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// The on-disk form of a window's controls and their stored property sets: indented
// JSON, one value per line, pictures as PNG in base64 lines, so that a person can
// read a form file and a change to one property shows as a change of a few lines.
namespace platform {

inline constexpr int kErrPathFileAccess = 75;
inline constexpr int kErrInvalidFileFormat = 321;

// One control placed on a form: its class, its instance name, its position and size
// in twips, the HIMETRIC extent a stored set records, and its stored properties.
struct StoredControl {
    QString className;
    QString name;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t extentX = 0;
    std::int32_t extentY = 0;
    PropertyBag properties;

    bool operator==(const StoredControl&) const = default;
};

struct StoredForm {
    QString name;
    std::vector<StoredControl> controls;

    bool operator==(const StoredForm&) const = default;
};

QByteArray formToText(const StoredForm& form);

// Raises kErrInvalidFileFormat, with a description naming what is wrong, for text
// that is not a form written by formToText.
StoredForm formFromText(const QByteArray& text);

// Replaces the file only once the whole form is written, so a failed save leaves the
// previous file as it was; a failure raises kErrPathFileAccess.
void saveFormFile(const QString& path, const StoredForm& form);

// Raises kErrFileNotFound for a missing file, kErrPathFileAccess for one that cannot
// be read and kErrInvalidFileFormat for one that holds no form.
StoredForm loadFormFile(const QString& path);

// One control's stored set on its own, in the same text form as a form file's
// properties, for hosts that keep each control's set in a file of their own kind.
QByteArray propertiesToText(const PropertyBag& properties);
// Raises kErrInvalidFileFormat for text that is not a set written by propertiesToText.
PropertyBag propertiesFromText(const QByteArray& text);

} // namespace platform
