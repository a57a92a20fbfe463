#include "platform/commandline.h"

#include <QCoreApplication>

namespace platform {
namespace {

const QCommandLineOption& helpOption()
{
    static const QCommandLineOption option({QStringLiteral("h"), QStringLiteral("help")},
                                           QStringLiteral("Show this help and exit."));
    return option;
}

const QCommandLineOption& versionOption()
{
    static const QCommandLineOption option({QStringLiteral("v"), QStringLiteral("version")},
                                           QStringLiteral("Show the version and exit."));
    return option;
}

// The parser's help names the program by the path it was started with; ours by its name,
// as its manual page does.
QString helpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    const QString startedAs = QCoreApplication::arguments().value(0);
    const qsizetype at = text.indexOf(startedAs);
    if (!startedAs.isEmpty() && at >= 0 && at < text.indexOf(QLatin1Char('\n')))
        text.replace(at, startedAs.size(), QCoreApplication::applicationName());
    return text;
}

// The help's first line, "Usage: NAME [options] ...".
QString usageLine(const QCommandLineParser& parser)
{
    return helpText(parser).section(QLatin1Char('\n'), 0, 0);
}

} // namespace

QString programVersion()
{
    return QStringLiteral(VANTREL_VERSION);
}

std::optional<int> answerStandardOptions(QCommandLineParser& parser, const QStringList& arguments,
                                         QTextStream& out, QTextStream& err)
{
    parser.addOption(helpOption());
    parser.addOption(versionOption());
    if (!parser.parse(arguments))
        return reportUsageError(parser, parser.errorText(), err);
    if (parser.isSet(helpOption())) {
        out << helpText(parser);
        out.flush();
        return kExitSuccess;
    }
    if (parser.isSet(versionOption())) {
        out << QCoreApplication::applicationName() << ' ' << programVersion() << '\n';
        out.flush();
        return kExitSuccess;
    }
    return std::nullopt;
}

int reportUsageError(const QCommandLineParser& parser, const QString& message, QTextStream& err)
{
    const QString name = QCoreApplication::applicationName();
    err << name << ": " << message << '\n'
        << usageLine(parser) << '\n'
        << "Try \"" << name << " --help\" for more information.\n";
    err.flush();
    return kExitUsage;
}

} // namespace platform
