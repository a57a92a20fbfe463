#include "platform/runtimeerror.h"

namespace platform {

QString describeError(int number)
{
    switch (number) {
    case kErrOverflow: return QStringLiteral("Overflow");
    case kErrSubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case kErrObjectNotSet: return QStringLiteral("Object variable not set");
    case kErrInvalidPicture: return QStringLiteral("Invalid picture");
    case kErrInvalidPropertyValue: return QStringLiteral("Invalid property value");
    case kErrTypeMismatch: return QStringLiteral("Type mismatch");
    case kErrFileNotFound: return QStringLiteral("File not found");
    default: return QStringLiteral("Error %1").arg(number);
    }
}

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error(
          (description.isEmpty() ? describeError(number) : description).toStdString())
    , m_number(number)
    , m_description(description.isEmpty() ? describeError(number) : description)
{
}

} // namespace platform
