// vantrel-styles: the theme picker page on its own, for theme authors and developers.
#include "platform/commandline.h"
#include "styleswindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <optional>

namespace {

struct Options {
    QString folder;
    std::optional<int> exitCode;
};

// Reads the command line without a display, so that --help, --version and mistakes
// are answered on a machine without one.
Options parseCommandLine(int argc, char** argv)
{
    QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the theme files of a folder, previews their styles and installs "
                       "a pressed style on three sample buttons."));
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("Folder of theme files to type into the path box."),
                                 QStringLiteral("[FOLDER]"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    Options options;
    options.exitCode =
        platform::answerStandardOptions(parser, QCoreApplication::arguments(), out, err);
    if (options.exitCode)
        return options;
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() > 1)
        options.exitCode =
            platform::reportUsageError(parser, QStringLiteral("too many arguments"), err);
    else if (!arguments.isEmpty())
        options.folder = arguments.constFirst();
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseCommandLine(argc, argv);
    if (options.exitCode)
        return *options.exitCode;

    QApplication application(argc, argv);
    StylesWindow window;
    window.show();
    if (!options.folder.isEmpty())
        window.typeFolder(options.folder);
    return QApplication::exec();
}
