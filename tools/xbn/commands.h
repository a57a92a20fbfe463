#pragma once

#include <QStringList>
#include <QTextStream>

// The theme tool's commands. Each takes the arguments after its name, writes what it
// reports to out and raises a ToolError when it cannot do its work.
namespace xbn {

void packCommand(const QStringList& arguments, QTextStream& out);
void listCommand(const QStringList& arguments, QTextStream& out);
void extractCommand(const QStringList& arguments, QTextStream& out);
void renderCommand(const QStringList& arguments, QTextStream& out);

// The commands and their arguments, as the tool's help shows them.
QString commandSummary();

// Runs the command named first; returns the exit status: 0 done, 1 a bad or unreadable
// file, 2 bad arguments. Errors go to err as one line each.
int runTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace xbn
