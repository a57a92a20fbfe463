#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

// What every program of the system answers alike on its command line: "--help",
// "--version" and a malformed command line. Each program adds its own options to the
// parser first and goes on with the parsed result when no answer is due.
namespace platform {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// The version the programs report, "major.minor".
QString programVersion();

// Parses arguments (the program's own name first; the name shown is the running
// application's name). "--help" prints the help and "--version" the name and version
// to out, status kExitSuccess; an unknown option or a missing value prints the error and
// a short usage to err, status kExitUsage. No status: the program goes on.
std::optional<int> answerStandardOptions(QCommandLineParser& parser, const QStringList& arguments,
                                         QTextStream& out, QTextStream& err);

// Prints "NAME: message" and a short usage to err; returns kExitUsage.
int reportUsageError(const QCommandLineParser& parser, const QString& message, QTextStream& err);

} // namespace platform
