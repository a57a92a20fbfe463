#include "arguments.h"

#include "toolerror.h"

#include <QRegularExpression>

namespace xbn {
namespace {

[[noreturn]] void badArgument(const QString& message)
{
    throw ToolError(message, ToolError::Kind::BadArguments);
}

} // namespace

int parseCount(const QString& text, int maximum, const QString& what)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,9}$"));
    if (!digits.match(text).hasMatch() || text.toInt() > maximum)
        badArgument(QStringLiteral("%1 must be a whole number from 0 to %2, not \"%3\"")
                        .arg(what)
                        .arg(maximum)
                        .arg(text));
    return text.toInt();
}

Size parseSize(const QString& text, int maximum, const QString& what)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2)
        badArgument(QStringLiteral("%1 must read WxH, not \"%2\"").arg(what, text));
    return {parseCount(parts[0], maximum, what + QStringLiteral(" width")),
            parseCount(parts[1], maximum, what + QStringLiteral(" height"))};
}

ImageArgument parseImageArgument(const QString& text)
{
    static const QRegularExpression corner(QStringLiteral("^(.+)@(\\d+x\\d+)$"));
    const QRegularExpressionMatch match = corner.match(text);
    if (!match.hasMatch())
        return {text, std::nullopt};
    return {match.captured(1), parseSize(match.captured(2), 255, QStringLiteral("corner"))};
}

QRgb parseColour(const QString& text)
{
    static const QRegularExpression hex(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = hex.match(text);
    if (!match.hasMatch())
        badArgument(QStringLiteral("a colour must read RRGGBB, not \"%1\"").arg(text));
    return qRgb(0, 0, 0) | match.captured(1).toUInt(nullptr, 16);
}

} // namespace xbn
