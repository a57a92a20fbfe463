#pragma once

#include <QString>
#include <stdexcept>

namespace xbn {

// A failure the tool reports as one line on standard error before it exits.
class ToolError : public std::runtime_error {
public:
    enum class Kind { BadFile, BadArguments, AlreadyReported };

    explicit ToolError(const QString& message, Kind kind = Kind::BadFile)
        : std::runtime_error(message.toStdString())
        , m_message(message)
        , m_kind(kind)
    {
    }

    QString message() const { return m_message; }
    Kind kind() const { return m_kind; }

private:
    QString m_message;
    Kind m_kind;
};

} // namespace xbn
