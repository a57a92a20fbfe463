#include "button/storedvalues.h"

#include "platform/propertybag.h"
#include "platform/runtimeerror.h"

namespace button {

QString toText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString: return value.toString();
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Short:
    case QMetaType::Int: return value.toString();
    default: throw platform::RuntimeError(platform::kErrTypeMismatch);
    }
}

QFont toFont(const QVariant& value)
{
    if (value.typeId() != QMetaType::QFont)
        throw platform::RuntimeError(platform::kErrTypeMismatch);
    return value.value<QFont>();
}

platform::PicturePtr toPicture(const QVariant& value)
{
    if (!value.isValid())
        return nullptr;
    if (value.metaType() != QMetaType::fromType<platform::PicturePtr>())
        throw platform::RuntimeError(platform::kErrTypeMismatch);
    return value.value<platform::PicturePtr>();
}

} // namespace button
