#include "commands.h"
#include "platform/runtimeerror.h"
#include "toolerror.h"

#include <functional>
#include <map>

namespace xbn {
namespace {

const char kCommandSummary[] =
    "Packs images into .xbn theme files, lists, extracts and renders them.\n"
    "\n"
    "Commands:\n"
    "  xbn pack OUT.xbn [--corner WxH] [--keep-depth] IMAGE[@WxH]...\n"
    "  xbn list THEME\n"
    "  xbn extract THEME DIR\n"
    "  xbn render THEME STYLE WxH OUT.png [--background RRGGBB]\n"
    "\n"
    "Style k of a theme is its images 3k+1 (normal), 3k+2 (hover) and 3k+3 (pressed).\n"
    "Corner sizes are in pixels (default 5x5; the height 1 to 255, the width 0 to 255).\n"
    "pack stores every image as a 24-bit bitmap; --keep-depth keeps bitmap files as they are.";

using Command = std::function<void(const QStringList&, QTextStream&)>;

const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table = {
        {QStringLiteral("pack"), packCommand},
        {QStringLiteral("list"), listCommand},
        {QStringLiteral("extract"), extractCommand},
        {QStringLiteral("render"), renderCommand},
    };
    return table;
}

int report(QTextStream& err, const QString& message, int status)
{
    err << "xbn: " << message << '\n';
    err.flush();
    return status;
}

} // namespace

QString commandSummary()
{
    return QString::fromLatin1(kCommandSummary);
}

int runTool(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.isEmpty())
        return report(err, QStringLiteral("no command given; try \"xbn --help\""), 2);
    const auto command = commands().find(arguments[0]);
    if (command == commands().end())
        return report(
            err, QStringLiteral("unknown command \"%1\"; try \"xbn --help\"").arg(arguments[0]), 2);
    try {
        command->second(arguments.mid(1), out);
        out.flush();
        return 0;
    } catch (const ToolError& error) {
        out.flush();
        switch (error.kind()) {
        case ToolError::Kind::AlreadyReported: return 1;
        case ToolError::Kind::BadArguments: return report(err, error.message(), 2);
        case ToolError::Kind::BadFile: break;
        }
        return report(err, error.message(), 1);
    } catch (const platform::RuntimeError& error) {
        return report(err, error.description(), 1);
    }
}

} // namespace xbn
