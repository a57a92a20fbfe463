#include "commands.h"
#include "platform/messagebox.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // The tool needs no display: pictures are decoded and drawn in memory.
    QCoreApplication app(argc, argv);
    platform::setMessageSink(platform::writeMessageToStandardError);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return xbn::runTool(QCoreApplication::arguments().mid(1), out, err);
}
