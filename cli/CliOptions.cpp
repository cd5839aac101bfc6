#include "CliOptions.h"

#include "l10n/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <vector>

namespace gsm::cli {
namespace {

// What a subcommand takes besides the options every device command has.
enum Takes : unsigned {
    kDevice = 1u << 0,  // --port, --password-file, --json, --trace
    kFileArg = 1u << 1, // FILE
    kOut = 1u << 2,     // --out F
    kWrite = 1u << 3,   // --no-backup, --backup-dir, --verify, --no-verify
    kHistory = 1u << 4, // --history
    kYes = 1u << 5,     // --yes
    kPlan = 1u << 6,    // --check, --all-pages
    kForce = 1u << 7,   // --force
};

struct Subcommand {
    Operation operation;
    const char* words;
    const char* summary;
    unsigned takes;
};

const std::vector<Subcommand>& Subcommands() {
    static const std::vector<Subcommand> list = {
        {Operation::Ports, "ports",
         QT_TRANSLATE_NOOP(
             "CliOptions",
             "List the serial ports and announced simulators with their description and USB "
             "vendor:product id."),
         0},
        {Operation::Backup, "backup",
         QT_TRANSLATE_NOOP(
             "CliOptions",
             "Read the settings and number pages (and with --history the history pages) into the "
             "backup FILE."),
         kDevice | kFileArg | kHistory},
        {Operation::Restore, "restore",
         QT_TRANSLATE_NOOP(
             "CliOptions",
             "Write the settings and number pages of the backup FILE back to the device (only the "
             "pages that differ)."),
         kDevice | kFileArg | kWrite | kPlan},
        {Operation::Diff, "diff",
         QT_TRANSLATE_NOOP(
             "CliOptions",
             "Read the device and print what writing FILE (a settings profile, a number list or a "
             "backup) would change; write nothing."),
         kDevice | kFileArg},
        {Operation::Undo, "undo",
         QT_TRANSLATE_NOOP(
             "CliOptions",
             "Put back the newest automatic backup a write to this port took, if the device still "
             "holds what that write left (else --force)."),
         kDevice | kWrite | kPlan | kForce},
        {Operation::SettingsGet, "settings get",
         QT_TRANSLATE_NOOP("CliOptions", "Read the settings into a profile (--out F: .xlsx, .xls "
                                         "or .json; - is JSON on stdout)."),
         kDevice | kOut},
        {Operation::SettingsSet, "settings set",
         QT_TRANSLATE_NOOP(
             "CliOptions",
             "Save the settings profile FILE (.xlsx, .xls, .ods or .json) to the device."),
         kDevice | kFileArg | kWrite | kPlan},
        {Operation::NumbersGet, "numbers get",
         QT_TRANSLATE_NOOP("CliOptions",
                           "Read the number list (--out F: .csv, or .xlsx; - is CSV on stdout)."),
         kDevice | kOut},
        {Operation::NumbersSet, "numbers set",
         QT_TRANSLATE_NOOP("CliOptions",
                           "Save the number list FILE (.xlsx, .xls or .ods) to the device."),
         kDevice | kFileArg | kWrite | kPlan},
        {Operation::HistoryGet, "history get",
         QT_TRANSLATE_NOOP("CliOptions",
                           "Read the event history (--out F: .csv or .xlsx; - is CSV on stdout)."),
         kDevice | kOut},
        {Operation::HistoryDelete, "history delete",
         QT_TRANSLATE_NOOP("CliOptions", "Delete the device's event history (needs --yes)."),
         kDevice | kWrite | kYes},
        {Operation::ClockSync, "clock sync",
         QT_TRANSLATE_NOOP("CliOptions", "Set the device clock to this computer's time."), kDevice},
        {Operation::ConfigGet, "config get",
         QT_TRANSLATE_NOOP("CliOptions",
                           "Read the settings and the number list into a configuration file "
                           "(--out F: YAML; - is stdout)."),
         kDevice | kOut},
        {Operation::ConfigApply, "config apply",
         QT_TRANSLATE_NOOP("CliOptions",
                           "Make the device hold the configuration FILE: the settings it names "
                           "and, when it names it, the whole number list (only the pages that "
                           "differ)."),
         kDevice | kFileArg | kWrite | kPlan},
        {Operation::ConfigDiff, "config diff",
         QT_TRANSLATE_NOOP("CliOptions", "Read the device and print what applying the "
                                         "configuration FILE would change; write nothing."),
         kDevice | kFileArg},
    };
    return list;
}

const Subcommand* Find(const QStringList& words) {
    for (const Subcommand& s : Subcommands()) {
        const QStringList own = QString::fromLatin1(s.words).split(QLatin1Char(' '));
        if (words.size() >= own.size() && words.mid(0, own.size()) == own)
            return &s;
    }
    return nullptr;
}

namespace opt {
const QCommandLineOption kPort(
    {"p", "port"},
    QT_TRANSLATE_NOOP("CliOptions", "Serial port of a device; repeat it or give a glob such as "
                                    "'/dev/ttyUSB*' for several devices at once."),
    "PORT");
const QCommandLineOption kPasswordFile(
    "password-file",
    QT_TRANSLATE_NOOP("CliOptions", "Read the device password from the first line of FILE "
                                    "(else $GSMGATE_PASSWORD, else a prompt on a terminal, "
                                    "else the factory password)."),
    "FILE");
const QCommandLineOption kJson("json", QT_TRANSLATE_NOOP("CliOptions",
                                                         "Print the summary as JSON on stdout."));
const QCommandLineOption kTrace(
    "trace",
    QT_TRANSLATE_NOOP("CliOptions", "Write one JSON line per frame sent or received, naming its "
                                    "port, to FILE for support (credentials masked)."),
    "FILE");
const QCommandLineOption
    kOut({"o", "out"}, QT_TRANSLATE_NOOP("CliOptions", "Write the data to F (- for stdout)."), "F");
const QCommandLineOption kNoBackup(
    "no-backup",
    QT_TRANSLATE_NOOP("CliOptions", "Do not back up the pages a write changes before writing."));
const QCommandLineOption
    kBackupDir("backup-dir",
               QT_TRANSLATE_NOOP("CliOptions", "Put the automatic backups in DIR instead of the "
                                               "configuration folder's backup/."),
               "DIR");
const QCommandLineOption
    kVerify("verify",
            QT_TRANSLATE_NOOP("CliOptions", "Read every written page back and compare (default)."));
const QCommandLineOption
    kNoVerify("no-verify", QT_TRANSLATE_NOOP("CliOptions", "Do not read written pages back."));
const QCommandLineOption kHistory("history", QT_TRANSLATE_NOOP("CliOptions",
                                                               "Include the 500 history pages."));
const QCommandLineOption
    kCheck("check",
           QT_TRANSLATE_NOOP("CliOptions",
                             "Read the device and print the plan as diff does; write nothing."));
const QCommandLineOption kAllPages(
    "all-pages",
    QT_TRANSLATE_NOOP("CliOptions", "Write every page of each area, not only those that differ."));
const QCommandLineOption kForce(
    "force",
    QT_TRANSLATE_NOOP("CliOptions", "Undo even when the device holds something else than the write "
                                    "left, or seems to be another device."));
const QCommandLineOption kYes("yes", QT_TRANSLATE_NOOP("CliOptions", "Confirm the deletion."));
const QCommandLineOption kLanguage("language", gsm::l10n::kLanguageOptionHelp, "CODE");
} // namespace opt

QString Tr(const char* text) {
    return QCoreApplication::translate("CliOptions", text);
}

// The option as --help shows it: its description in the user's language.
QCommandLineOption Shown(QCommandLineOption option, const char* context = "CliOptions") {
    option.setDescription(QCoreApplication::translate(context, option.description().toUtf8()));
    return option;
}

void Describe(QCommandLineParser& parser, const Subcommand& s) {
    parser.setApplicationDescription(Tr(s.summary));
    parser.addPositionalArgument(QString::fromLatin1(s.words),
                                 QCoreApplication::translate("CliOptions", "The subcommand."));
    if (s.takes & kFileArg)
        parser.addPositionalArgument(
            QStringLiteral("FILE"), QCoreApplication::translate("CliOptions", "The file to read."));
    parser.addOption(Shown(opt::kLanguage, "Language"));
    if (s.takes & kDevice) {
        parser.addOption(Shown(opt::kPort));
        parser.addOption(Shown(opt::kPasswordFile));
        parser.addOption(Shown(opt::kJson));
        parser.addOption(Shown(opt::kTrace));
    }
    if (s.takes & kOut)
        parser.addOption(Shown(opt::kOut));
    if (s.takes & kWrite) {
        parser.addOption(Shown(opt::kNoBackup));
        parser.addOption(Shown(opt::kBackupDir));
        parser.addOption(Shown(opt::kVerify));
        parser.addOption(Shown(opt::kNoVerify));
    }
    if (s.takes & kPlan) {
        parser.addOption(Shown(opt::kCheck));
        parser.addOption(Shown(opt::kAllPages));
    }
    if (s.takes & kForce)
        parser.addOption(Shown(opt::kForce));
    if (s.takes & kHistory)
        parser.addOption(Shown(opt::kHistory));
    if (s.takes & kYes)
        parser.addOption(Shown(opt::kYes));
}

// `text` in lines of at most 78 characters, each after `indent`.
QString Wrapped(const QString& text, const QString& indent) {
    QString out;
    QString line = indent;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > 78) {
            out += line + QLatin1Char('\n');
            line = indent;
        }
        if (line.size() > indent.size())
            line += QLatin1Char(' ');
        line += word;
    }
    return out + line;
}

int Refuse(const QString& command, const QString& why) {
    const QString name = command.isEmpty() ? QStringLiteral("gsmgate-cli")
                                           : QStringLiteral("gsmgate-cli ") + command;
    //: %1 is the command ("gsmgate-cli numbers set")
    const QString tryHelp = QCoreApplication::translate("CliOptions", "Try '%1 --help'.").arg(name);
    std::fprintf(stderr, "%s: %s\n%s\n", qPrintable(name), qPrintable(why), qPrintable(tryHelp));
    return 2;
}

int Print(const QString& text) {
    std::fputs(qPrintable(text), stdout);
    return 0;
}

// The first words that are not options, skipping the values of options
// that take one.
QStringList LeadingWords(const QStringList& arguments) {
    static const QStringList withValue = {"-p",    "--port",       "--password-file", "-o",
                                          "--out", "--backup-dir", "--trace",         "--language"};
    QStringList words;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (withValue.contains(a)) {
            ++i;
            continue;
        }
        if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-"))
            continue;
        words.append(a);
    }
    return words;
}

} // namespace

bool Writes(Operation operation) {
    return operation == Operation::Restore || operation == Operation::SettingsSet ||
           operation == Operation::NumbersSet || operation == Operation::Undo ||
           operation == Operation::HistoryDelete || operation == Operation::ConfigApply;
}

bool OnlyCompares(Operation operation) {
    return operation == Operation::Diff || operation == Operation::ConfigDiff;
}

QString GeneralHelp() {
    QString text = QCoreApplication::translate(
        "CliOptions", "Usage: gsmgate-cli SUBCOMMAND [options]\n"
                      "Provisions, backs up and restores GSM gate openers over their serial ports, "
                      "several\ndevices at once.\n\nSubcommands:\n");
    for (const Subcommand& s : Subcommands())
        text += QStringLiteral("  %1\n%2\n")
                    .arg(QString::fromLatin1(s.words),
                         Wrapped(Tr(s.summary), QStringLiteral("      ")));
    text += QCoreApplication::translate(
        "CliOptions",
        "\nOptions:\n  -h, --help     Show this help; 'gsmgate-cli SUBCOMMAND --help' shows a "
        "subcommand's.\n  -v, --version  Show the version.\n"
        "  --language CODE  Speak language CODE (en, de, zh_CN); by default the "
        "locale's.\n\n"
        "Exit status: 0 when every device succeeded, 1 when any failed, 2 when the "
        "command line\nor a file was refused before anything was sent.\n");
    return text;
}

Parsed ParseCommandLine(const QStringList& arguments) {
    const QStringList words = LeadingWords(arguments);
    const Subcommand* sub = Find(words);
    if (!sub) {
        if (arguments.contains(QStringLiteral("--version")) ||
            arguments.contains(QStringLiteral("-v"))) {
            Print(QStringLiteral("gsmgate-cli %1\n").arg(QCoreApplication::applicationVersion()));
            return {std::nullopt, 0};
        }
        if (arguments.contains(QStringLiteral("--help")) ||
            arguments.contains(QStringLiteral("-h")))
            return {std::nullopt, Print(GeneralHelp())};
        if (words.isEmpty()) {
            std::fputs(qPrintable(GeneralHelp()), stderr);
            return {std::nullopt, 2};
        }
        return {std::nullopt,
                Refuse({}, QCoreApplication::translate("CliOptions", "unknown subcommand '%1'")
                               .arg(words.join(' ')))};
    }

    const QString command = QString::fromLatin1(sub->words);
    QCommandLineParser parser;
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    Describe(parser, *sub);
    if (!parser.parse(arguments))
        return {std::nullopt, Refuse(command, parser.errorText())};
    if (parser.isSet(help))
        return {std::nullopt, Print(parser.helpText())};
    if (parser.isSet(version)) {
        Print(QStringLiteral("gsmgate-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return {std::nullopt, 0};
    }

    CliOptions o;
    o.operation = sub->operation;
    o.command = command;
    const QStringList positional = parser.positionalArguments().mid(command.count(' ') + 1);
    const qsizetype wanted = (sub->takes & kFileArg) ? 1 : 0;
    if (positional.size() != wanted)
        return {std::nullopt,
                Refuse(command,
                       wanted ? QCoreApplication::translate("CliOptions", "expects one FILE")
                              : QCoreApplication::translate("CliOptions", "takes no argument '%1'")
                                    .arg(positional.join(' ')))};
    if (wanted)
        o.file = positional.first();
    if (sub->takes & kDevice) {
        o.ports = parser.values(opt::kPort);
        o.passwordFile = parser.value(opt::kPasswordFile);
        o.json = parser.isSet(opt::kJson);
        o.trace = parser.value(opt::kTrace);
        if (o.ports.isEmpty())
            return {std::nullopt,
                    Refuse(command, QCoreApplication::translate("CliOptions", "needs --port"))};
    }
    if (sub->takes & kOut) {
        o.out = parser.value(opt::kOut);
        if (o.out.isEmpty())
            return {std::nullopt,
                    Refuse(command, QCoreApplication::translate("CliOptions", "needs --out F"))};
        if (o.out == QLatin1String("-") && o.json)
            return {std::nullopt,
                    Refuse(command, QCoreApplication::translate(
                                        "CliOptions", "--out - and --json both want stdout"))};
    }
    if (sub->takes & kWrite) {
        o.backup = !parser.isSet(opt::kNoBackup);
        o.backupDir = parser.value(opt::kBackupDir);
        o.verify = !parser.isSet(opt::kNoVerify);
    }
    o.check = (sub->takes & kPlan) && parser.isSet(opt::kCheck);
    o.allPages = (sub->takes & kPlan) && parser.isSet(opt::kAllPages);
    o.force = (sub->takes & kForce) && parser.isSet(opt::kForce);
    o.history = (sub->takes & kHistory) && parser.isSet(opt::kHistory);
    o.yes = (sub->takes & kYes) && parser.isSet(opt::kYes);
    if (o.operation == Operation::HistoryDelete && !o.yes)
        return {std::nullopt,
                Refuse(command, QCoreApplication::translate(
                                    "CliOptions", "deletes every history record; add --yes"))};
    return {o, 0};
}

} // namespace gsm::cli
