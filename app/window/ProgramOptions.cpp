#include "ProgramOptions.h"

#include "l10n/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const QString kTraceOption = QStringLiteral("trace");
const QString kReportFirstFrameOption = QStringLiteral("report-first-frame");
const QString kLanguageOption = QStringLiteral("language");

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "ProgramOptions",
        "Configuration program for the GSM gate opener: reads and saves its settings, "
        "authorized numbers and event history over a USB-to-UART serial port."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        kTraceOption,
        QCoreApplication::translate(
            "ProgramOptions",
            "Write one JSON line per frame sent or received to FILE, for support."),
        //: Placeholder of --trace's value in --help
        QCoreApplication::translate("ProgramOptions", "FILE")));
    parser.addOption(QCommandLineOption(
        kLanguageOption, QCoreApplication::translate("Language", gsm::l10n::kLanguageOptionHelp),
        //: Placeholder of --language's value in --help
        QCoreApplication::translate("Language", "CODE")));
    parser.addOption(QCommandLineOption(
        kReportFirstFrameOption,
        QCoreApplication::translate(
            "ProgramOptions",
            "Print the monotonic clock time, in nanoseconds, at which the window's first "
            "frame was painted, and quit; for start-up benchmarks.")));
}

// The name and version the help, the version text and the user's data
// folder go by, whatever name the executable was started under.
void NameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("gsmgate"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GSM_VERSION));
}

// Options the window's application object takes for itself; the first
// reading, before that object exists, lets them pass.
bool IsWindowSystemOption(const QString& name) {
    static const QStringList names =
        QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry "
                       "qwindowicon qwindowtitle reverse session display geometry style "
                       "stylesheet widgetcount nograb dograb sync qmljsdebugger")
            .split(QLatin1Char(' '));
    return names.contains(name);
}

bool OnlyWindowSystemOptionsUnknown(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    return !unknown.isEmpty() && std::all_of(unknown.begin(), unknown.end(), IsWindowSystemOption);
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

OptionsParse ParseProgramOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    // "-platform offscreen", as Qt spells its own options, is one option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    Describe(parser);
    OptionsParse parse;
    if (!parser.parse(arguments) && !OnlyWindowSystemOptionsUnknown(parser)) {
        parse.outcome = OptionsParse::Outcome::Error;
        parse.text = parser.errorText() + QLatin1Char('\n') +
                     QCoreApplication::translate("ProgramOptions", "Try \"gsmgate --help\".") +
                     QLatin1Char('\n');
    } else if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        parse.outcome = OptionsParse::Outcome::Help;
        parse.text = parser.helpText();
    } else if (parser.isSet(QStringLiteral("version"))) {
        parse.outcome = OptionsParse::Outcome::Version;
        parse.text = QStringLiteral("gsmgate %1\n").arg(QStringLiteral(GSM_VERSION));
    } else {
        parse.options.traceFile = parser.value(kTraceOption);
        parse.options.reportFirstFrame = parser.isSet(kReportFirstFrameOption);
    }
    return parse;
}

std::optional<int> AnswerWithoutWindow(int argc, char* argv[]) {
    OptionsParse parse;
    {
        int count = argc;
        const QCoreApplication app(count, argv); // no display needed
        NameApplication();
        gsm::l10n::UseLanguage(gsm::l10n::ChosenLanguage(QCoreApplication::arguments()));
        parse = ParseProgramOptions(QCoreApplication::arguments());
    }
    switch (parse.outcome) {
    case OptionsParse::Outcome::Help:
    case OptionsParse::Outcome::Version:
        Print(stdout, parse.text);
        return 0;
    case OptionsParse::Outcome::Error:
        Print(stderr, parse.text);
        return 2;
    case OptionsParse::Outcome::Run:
        break;
    }
    return std::nullopt;
}

ProgramOptions ProgramOptionsOrExit(const QStringList& arguments) {
    NameApplication();
    gsm::l10n::UseLanguage(gsm::l10n::ChosenLanguage(arguments));
    const OptionsParse parse = ParseProgramOptions(arguments);
    switch (parse.outcome) {
    case OptionsParse::Outcome::Run:
        return parse.options;
    case OptionsParse::Outcome::Help:
    case OptionsParse::Outcome::Version:
        Print(stdout, parse.text);
        std::exit(0);
    case OptionsParse::Outcome::Error:
        break;
    }
    Print(stderr, parse.text);
    std::exit(2);
}
