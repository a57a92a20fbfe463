#include "button/skincords.h"

#include "button/numbertext.h"

#include <QStringList>

namespace button {
namespace {

constexpr int kNumberCount = 8;
constexpr int kFallbackWidth = 1000;
constexpr int kFallbackHeight = 300;

double numberAt(const QStringList& parts, int index)
{
    return index < parts.size() ? leadingNumber(parts[index]) : 0.0;
}

QString withSize(const QStringList& parts, const QString& width, const QString& height)
{
    QStringList numbers{width, height};
    for (int i = 2; i < kNumberCount; ++i)
        numbers << decimalText(numberAt(parts, i));
    return numbers.join(u',');
}

} // namespace

QString resizedSkinCords(const QString& cords, float width, float height)
{
    const QStringList parts = cords.split(u',');
    const QString resized = withSize(parts, decimalText(width), decimalText(height));
    if (numberAt(resized.split(u','), 1) > 0.0)
        return resized;
    return withSize(parts, QString::number(kFallbackWidth), QString::number(kFallbackHeight));
}

SkinSlice sliceForState(const QString& cords, int state)
{
    const QStringList parts = cords.split(u',');
    return {roundedToInt32(numberAt(parts, 0)), roundedToInt32(numberAt(parts, 1)),
            roundedToInt32(numberAt(parts, 2 * state)),
            roundedToInt32(numberAt(parts, 2 * state + 1))};
}

} // namespace button
