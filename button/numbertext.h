#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

// Numbers as the button keeps them in its slice-coordinate text.
namespace button {

// The number at the start of the text (after blanks): an optional sign, digits with an
// optional fraction and exponent; 0 when the text does not start with one. Raises the
// overflow error for a number too large for a double.
double leadingNumber(QStringView text);

// Plain decimal text, without exponent, with the fewest digits that read back as the
// same value; a negative zero is written "0".
QString decimalText(float value);
QString decimalText(double value);

// The nearest 32-bit integer, halves to even; raises the overflow error out of range.
std::int32_t roundedToInt32(double value);

} // namespace button
