#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

// Numbers as the button keeps them in its slice-coordinate text.
namespace button {

// The number at the start of the text (after blanks): an optional sign, digits with an
// optional fraction and exponent; 0 when the text does not start with one.
double leadingNumber(QStringView text);

// The shortest decimal text that reads back as the same value.
QString shortestText(float value);
QString shortestText(double value);

// The nearest 32-bit integer, halves to even; raises the overflow error out of range.
std::int32_t roundedToInt32(double value);

} // namespace button
