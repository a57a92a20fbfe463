#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

// The finder's command line, answered from a terminal without a display: "--help",
// "--version" and "--lookup MODEL", which prints the model's IC marking and the models
// that share it. The desktop toolkit's own options ("-style", "-session", ...) pass on to
// the window.
namespace app {

// Returns the exit status when the command line has been answered: 0 printed, 1 a text
// that names no model, 2 a usage error. No status: the window starts.
std::optional<int> answerCommandLine(const QStringList& arguments, QTextStream& out,
                                     QTextStream& err);

} // namespace app
