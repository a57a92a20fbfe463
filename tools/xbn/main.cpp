#include "commands.h"
#include "platform/commandline.h"
#include "platform/messagebox.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // The tool needs no display: pictures are decoded and drawn in memory.
    QCoreApplication app(argc, argv);
    platform::setMessageSink(platform::writeMessageToStandardError);
    QTextStream out(stdout);
    QTextStream err(stderr);

    // Options after the command's name belong to the command.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.setApplicationDescription(xbn::commandSummary());
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("pack, list, extract or render"),
                                 QStringLiteral("COMMAND [ARGUMENT...]"));
    if (const auto status =
            platform::answerStandardOptions(parser, QCoreApplication::arguments(), out, err))
        return *status;
    return xbn::runTool(parser.positionalArguments(), out, err);
}
