#include "button/numbertext.h"

#include "platform/runtimeerror.h"
#include "platform/units.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace button {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The length of the run of digits starting at i.
qsizetype digitsFrom(QStringView text, qsizetype i)
{
    qsizetype end = i;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - i;
}

// Fixed notation with the fewest digits that read back as the same value: no exponent,
// and room for the 309 whole digits of the largest double or the 324 places after the
// point of the smallest.
template <typename T> QString plainDecimal(T value)
{
    char buffer[400];
    // Adding zero turns a negative zero into zero.
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value + T(0), std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

} // namespace

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype whole = digitsFrom(text, i);
    i += whole;
    qsizetype fraction = 0;
    if (i < text.size() && text[i] == u'.') {
        fraction = digitsFrom(text, i + 1);
        if (whole > 0 || fraction > 0)
            i += 1 + fraction;
    }
    if (whole == 0 && fraction == 0)
        return 0.0;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        negativeExponent = j < text.size() && text[j] == u'-';
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (const qsizetype exponent = digitsFrom(text, j); exponent > 0)
            i = j + exponent;
    }
    const std::string number = text.mid(start, i - start).toString().toStdString();
    const char* first = number.data() + (number.front() == '+' ? 1 : 0);
    double value = 0.0;
    if (std::from_chars(first, number.data() + number.size(), value).ec == std::errc{})
        return value;
    // Out of range: too small is 0, too large overflows.
    if (negativeExponent)
        return 0.0;
    throw platform::RuntimeError(platform::kErrOverflow);
}

QString decimalText(float value)
{
    return plainDecimal(value);
}
QString decimalText(double value)
{
    return plainDecimal(value);
}

std::int32_t roundedToInt32(double value)
{
    const double rounded = platform::roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        throw platform::RuntimeError(platform::kErrOverflow);
    return static_cast<std::int32_t>(rounded);
}

} // namespace button
