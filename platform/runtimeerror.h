#pragma once

#include <QString>
#include <stdexcept>

// Numbered errors that an operation raises to its caller unless it handles them.
namespace platform {

inline constexpr int kErrOverflow = 6;
inline constexpr int kErrSubscriptOutOfRange = 9;
inline constexpr int kErrObjectNotSet = 91;
inline constexpr int kErrInvalidPicture = 481;
inline constexpr int kErrInvalidPropertyValue = 380;
inline constexpr int kErrTypeMismatch = 13;
inline constexpr int kErrFileNotFound = 53;

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number, const QString& description = {});

    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// The standard description of an error number, as a message box shows it.
QString describeError(int number);

} // namespace platform
