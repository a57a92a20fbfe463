#include "app/commandline.h"

#include "app/catalogue.h"
#include "platform/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <string>

namespace app {
namespace {

const QCommandLineOption& lookupOption()
{
    static const QCommandLineOption option(
        QStringLiteral("lookup"),
        QStringLiteral("Print the keypad IC marking of MODEL and, on the next line, every model "
                       "that uses the same IC, separated by \"/\". MODEL is compared exactly, "
                       "as in the window's model box."),
        QStringLiteral("MODEL"));
    return option;
}

// The options the desktop toolkit reads when the window starts; they are accepted here
// so that a launcher or a restored session can pass them on.
void addToolkitOptions(QCommandLineParser& parser)
{
    static const char* const withValue[] = {"platform",
                                            "platformpluginpath",
                                            "platformtheme",
                                            "plugin",
                                            "qwindowgeometry",
                                            "qwindowicon",
                                            "qwindowtitle",
                                            "session",
                                            "display",
                                            "geometry",
                                            "title",
                                            "icon",
                                            "name",
                                            "style",
                                            "stylesheet"};
    static const char* const flags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

int printLookup(const QString& model, QTextStream& out, QTextStream& err)
{
    const std::string text = model.toStdString();
    const int group = FindIcGroup(text);
    if (group == 0) {
        err << QCoreApplication::applicationName() << ": \"" << model
            << "\" is not a model number the finder knows\n";
        err.flush();
        return platform::kExitFailure;
    }
    const IcGroup& found = icGroups()[static_cast<std::size_t>(group - 1)];
    out << QString::fromUtf8(found.marking) << '\n';
    const char* separator = "";
    for (const std::string_view member : found.members) {
        out << separator << QString::fromUtf8(member);
        separator = "/";
    }
    out << '\n';
    out.flush();
    return platform::kExitSuccess;
}

} // namespace

std::optional<int> answerCommandLine(const QStringList& arguments, QTextStream& out,
                                     QTextStream& err)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Finds the keypad interface IC (an EMI filter) of a Nokia handset model.\n"
                       "Without options, opens the finder's window."));
    parser.addOption(lookupOption());
    addToolkitOptions(parser);
    if (const auto status = platform::answerStandardOptions(parser, arguments, out, err))
        return status;
    if (!parser.positionalArguments().isEmpty())
        return platform::reportUsageError(
            parser,
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()),
            err);
    if (parser.isSet(lookupOption()))
        return printLookup(parser.value(lookupOption()), out, err);
    return std::nullopt;
}

} // namespace app
