// The command line: what each one asks the program to do. That --help and
// --version need no display is checked on the packaged program
// (packaging/check-package).

#include "support/QtTestApp.h"

#include "app/window/ProgramOptions.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using Outcome = OptionsParse::Outcome;

struct CommandLine {
    QStringList arguments; // after the program name
    Outcome outcome;
    QString traceFile;
    bool reportFirstFrame = false;
};

class ProgramOptionsTest : public ::testing::TestWithParam<CommandLine> {};

TEST_P(ProgramOptionsTest, IsRunHelpVersionOrError) {
    const CommandLine& line = GetParam();
    const OptionsParse parse =
        ParseProgramOptions(QStringList{QStringLiteral("gsmgate")} + line.arguments);
    EXPECT_EQ(parse.outcome, line.outcome) << parse.text.toStdString();
    EXPECT_EQ(parse.options.traceFile, line.traceFile);
    EXPECT_EQ(parse.options.reportFirstFrame, line.reportFirstFrame);
    EXPECT_EQ(parse.text.isEmpty(), line.outcome == Outcome::Run);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProgramOptionsTest,
    ::testing::Values(
        CommandLine{{}, Outcome::Run, {}},
        CommandLine{{"--trace", "/tmp/frames.jsonl"}, Outcome::Run, "/tmp/frames.jsonl"},
        CommandLine{{"--trace=frames.jsonl"}, Outcome::Run, "frames.jsonl"},
        CommandLine{{"--report-first-frame"}, Outcome::Run, {}, true},
        CommandLine{{"--language", "zh_CN"}, Outcome::Run, {}},
        CommandLine{{"--language=de", "--trace", "t"}, Outcome::Run, "t"},
        CommandLine{{"--language"}, Outcome::Error, {}}, CommandLine{{"--help"}, Outcome::Help, {}},
        CommandLine{{"-h"}, Outcome::Help, {}}, CommandLine{{"--version"}, Outcome::Version, {}},
        CommandLine{{"--trace"}, Outcome::Error, {}},
        CommandLine{{"--no-such-option"}, Outcome::Error, {}},
        CommandLine{{"-platform", "offscreen", "-style", "fusion"}, Outcome::Run, {}},
        CommandLine{{"-style", "fusion", "--version"}, Outcome::Version, {}},
        CommandLine{{"-style", "fusion", "--bogus"}, Outcome::Error, {}},
        CommandLine{{"extra"}, Outcome::Run, {}}));

TEST(ProgramOptionsText, HelpListsTheTraceAndVersionGivesNameAndNumber) {
    const QString help =
        ParseProgramOptions({QStringLiteral("gsmgate"), QStringLiteral("--help")}).text;
    EXPECT_TRUE(help.contains(QStringLiteral("--trace <FILE>"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("one JSON line per frame"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("--version"))) << help.toStdString();

    const QString version =
        ParseProgramOptions({QStringLiteral("gsmgate"), QStringLiteral("--version")}).text;
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^gsmgate \d+\.\d+\.\d+\n$)"))
                    .match(version)
                    .hasMatch())
        << version.toStdString();
}

} // namespace
