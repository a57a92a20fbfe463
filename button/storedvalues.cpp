#include "button/storedvalues.h"

#include "platform/propertybag.h"
#include "platform/runtimeerror.h"

namespace button {

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
