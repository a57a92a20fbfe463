#include "app/commandline.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs a program as a terminal would, with no display to open: no X or Wayland display
// and no toolkit platform chosen.
ProgramRun runWithoutDisplay(const QString& program, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QString kFinder = QStringLiteral(VANTREL_FINDER_PROGRAM);
const QString kThemeTool = QStringLiteral(VANTREL_XBN_PROGRAM);

struct TerminalCase {
    const char* name;
    QString program;
    QStringList arguments;
    int status;
    QString outStarts; // what standard output starts with; empty: prints nothing
    QString errHolds;  // a text standard error holds; empty: prints nothing
};

void PrintTo(const TerminalCase& terminalCase, std::ostream* os)
{
    *os << terminalCase.name;
}

class TerminalAnswers : public ::testing::TestWithParam<TerminalCase> {};

TEST_P(TerminalAnswers, PrintAndExitWithoutADisplay)
{
    const TerminalCase& expected = GetParam();
    const ProgramRun run = runWithoutDisplay(expected.program, expected.arguments);
    EXPECT_EQ(run.status, expected.status) << run.err.toStdString();
    if (expected.outStarts.isEmpty())
        EXPECT_EQ(run.out, QString());
    else
        EXPECT_TRUE(run.out.startsWith(expected.outStarts)) << run.out.toStdString();
    if (expected.errHolds.isEmpty())
        EXPECT_EQ(run.err, QString());
    else
        EXPECT_TRUE(run.err.contains(expected.errHolds)) << run.err.toStdString();
}

const QString kGroupOne = QStringLiteral(
    "EMIF-10-1K010F2\n1110/1200/1600/1650/2310/3220/5140/5140i/6020/6021/6030/6060/6070/6080/"
    "6101/6103/6230/6670/7260/7360/7610/E60/E62/E70\n");
const QString kFinderUsage = QStringLiteral("Usage: vantrel [options]");
const QString kThemeToolUsage = QStringLiteral("Usage: xbn [options] COMMAND [ARGUMENT...]");

INSTANTIATE_TEST_SUITE_P(
    CommandLine, TerminalAnswers,
    ::testing::Values(
        TerminalCase{"finder_help", kFinder, {"--help"}, 0, kFinderUsage, {}},
        TerminalCase{"finder_short_help", kFinder, {"-h"}, 0, kFinderUsage, {}},
        TerminalCase{"finder_version", kFinder, {"--version"}, 0, "vantrel 1.0\n", {}},
        TerminalCase{
            "lookup_prints_marking_and_group", kFinder, {"--lookup", "6230"}, 0, kGroupOne, {}},
        TerminalCase{"lookup_with_equals_sign", kFinder, {"--lookup=E70"}, 0, kGroupOne, {}},
        TerminalCase{"lookup_suffix_names_another_group",
                     kFinder,
                     {"--lookup", "6220c"},
                     0,
                     "EMIF10-LCD02F3\n1680c/",
                     {}},
        TerminalCase{
            "lookup_near_twin", kFinder, {"--lookup", "6220"}, 0, "EMIF10-1K010F1\n3200/", {}},
        TerminalCase{
            "lookup_last_model", kFinder, {"--lookup", "N95-8GB"}, 0, "EMIF10-COM01F2\n2865/", {}},
        TerminalCase{
            "lookup_other_case_names_no_model", kFinder, {"--lookup", "n95"}, 1, {}, "\"n95\""},
        TerminalCase{
            "lookup_with_blank_names_no_model", kFinder, {"--lookup", "6230 "}, 1, {}, "\"6230 \""},
        TerminalCase{"lookup_empty_text", kFinder, {"--lookup", ""}, 1, {}, "\"\""},
        TerminalCase{"lookup_without_model", kFinder, {"--lookup"}, 2, {}, kFinderUsage},
        TerminalCase{"finder_unknown_option", kFinder, {"--colour", "red"}, 2, {}, kFinderUsage},
        TerminalCase{"finder_stray_argument", kFinder, {"6230"}, 2, {}, kFinderUsage},
        TerminalCase{"tool_help", kThemeTool, {"--help"}, 0, kThemeToolUsage, {}},
        TerminalCase{"tool_version", kThemeTool, {"--version"}, 0, "xbn 1.0\n", {}},
        TerminalCase{"tool_unknown_option", kThemeTool, {"--bogus"}, 2, {}, kThemeToolUsage},
        TerminalCase{"tool_option_after_command_goes_to_it",
                     kThemeTool,
                     {"pack", "out.xbn", "--corner"},
                     2,
                     {},
                     "--corner needs WxH"}),
    [](const ::testing::TestParamInfo<TerminalCase>& row) { return std::string(row.param.name); });

TEST(FinderCommandLine, HelpNamesEveryOption)
{
    const ProgramRun run = runWithoutDisplay(kFinder, {"--help"});
    for (const char* option : {"--lookup <MODEL>", "--help", "--version"})
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(option))) << option;
}

// The window starts without options and with the desktop toolkit's own, which a launcher
// or a restored session may pass.
TEST(FinderCommandLine, LeavesTheWindowToStart)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    for (const QStringList& arguments :
         {QStringList{"vantrel"}, QStringList{"vantrel", "-style", "fusion"},
          QStringList{"vantrel", "-session", "1234", "-reverse"},
          QStringList{"vantrel", "-platform", "xcb"}}) {
        EXPECT_EQ(app::answerCommandLine(arguments, outStream, errStream), std::nullopt)
            << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(out, QString());
    EXPECT_EQ(err, QString());
}

} // namespace
