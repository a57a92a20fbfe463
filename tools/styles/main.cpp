// vantrel-styles: the theme picker page on its own, for theme authors and developers.
#include "styleswindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <optional>

namespace {

constexpr int kUsageError = 2;

struct Options {
    QString folder;
    std::optional<int> exitCode;
};

// Reads the command line without a display, so that --help, --version and mistakes
// are answered on a machine without one.
Options parseCommandLine(int argc, char** argv)
{
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrel-styles"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTREL_STYLES_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the theme files of a folder, previews their styles and installs "
                       "a pressed style on three sample buttons."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"),
                                 QStringLiteral("Folder of theme files to type into the path box."),
                                 QStringLiteral("[FOLDER]"));
    Options options;
    QTextStream err(stderr);
    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() > 1) {
        err << (parser.errorText().isEmpty() ? QStringLiteral("Too many arguments.")
                                             : parser.errorText())
            << "\n\n"
            << parser.helpText();
        options.exitCode = kUsageError;
        return options;
    }
    QTextStream out(stdout);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText();
        options.exitCode = 0;
    } else if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion()
            << '\n';
        options.exitCode = 0;
    } else if (!parser.positionalArguments().isEmpty()) {
        options.folder = parser.positionalArguments().constFirst();
    }
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parseCommandLine(argc, argv);
    if (options.exitCode)
        return *options.exitCode;

    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("vantrel"));
    StylesWindow window;
    window.show();
    if (!options.folder.isEmpty())
        window.typeFolder(options.folder);
    return QApplication::exec();
}
