#pragma once

#include "platform/picture.h"

#include <QFont>
#include <QString>
#include <QVariant>

// Reading values of a stored property set as the button applies them, alongside the
// stored set's own number and Boolean conversions. Each raises the type-mismatch error
// for a value that is not of its kind, so that the reading step is skipped.
namespace button {

QFont toFont(const QVariant& value);
// A null value is "no picture" (a null pointer).
platform::PicturePtr toPicture(const QVariant& value);

} // namespace button
