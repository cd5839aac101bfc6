#include "CliOptions.h"

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
         "List the serial ports and announced simulators with their description and USB "
         "vendor:product id.",
         0},
        {Operation::Backup, "backup",
         "Read the settings and number pages (and with --history the history pages) into the "
         "backup FILE.",
         kDevice | kFileArg | kHistory},
        {Operation::Restore, "restore",
         "Write the settings and number pages of the backup FILE back to the device (only the "
         "pages that differ).",
         kDevice | kFileArg | kWrite | kPlan},
        {Operation::Diff, "diff",
         "Read the device and print what writing FILE (a settings profile, a number list or a "
         "backup) would change; write nothing.",
         kDevice | kFileArg},
        {Operation::Undo, "undo",
         "Put back the newest automatic backup a write to this port took, if the device still "
         "holds what that write left (else --force).",
         kDevice | kWrite | kPlan | kForce},
        {Operation::SettingsGet, "settings get",
         "Read the settings into a profile (--out F: .xlsx, .xls or .json; - is JSON on stdout).",
         kDevice | kOut},
        {Operation::SettingsSet, "settings set",
         "Save the settings profile FILE (.xlsx, .xls, .ods or .json) to the device.",
         kDevice | kFileArg | kWrite | kPlan},
        {Operation::NumbersGet, "numbers get",
         "Read the number list (--out F: .csv, or .xlsx; - is CSV on stdout).", kDevice | kOut},
        {Operation::NumbersSet, "numbers set",
         "Save the number list FILE (.xlsx, .xls or .ods) to the device.",
         kDevice | kFileArg | kWrite | kPlan},
        {Operation::HistoryGet, "history get",
         "Read the event history (--out F: .csv or .xlsx; - is CSV on stdout).", kDevice | kOut},
        {Operation::HistoryDelete, "history delete",
         "Delete the device's event history (needs --yes).", kDevice | kWrite | kYes},
        {Operation::ClockSync, "clock sync", "Set the device clock to this computer's time.",
         kDevice},
        {Operation::ConfigGet, "config get",
         "Read the settings and the number list into a configuration file (--out F: YAML; - is "
         "stdout).",
         kDevice | kOut},
        {Operation::ConfigApply, "config apply",
         "Make the device hold the configuration FILE: the settings it names and, when it names "
         "it, the whole number list (only the pages that differ).",
         kDevice | kFileArg | kWrite | kPlan},
        {Operation::ConfigDiff, "config diff",
         "Read the device and print what applying the configuration FILE would change; write "
         "nothing.",
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
const QCommandLineOption kPort({"p", "port"},
                               "Serial port of a device; repeat it or give a glob such as "
                               "'/dev/ttyUSB*' for several devices at once.",
                               "PORT");
const QCommandLineOption kPasswordFile("password-file",
                                       "Read the device password from the first line of FILE "
                                       "(else $GSMGATE_PASSWORD, else a prompt on a terminal, "
                                       "else the factory password).",
                                       "FILE");
const QCommandLineOption kJson("json", "Print the summary as JSON on stdout.");
const QCommandLineOption kTrace("trace",
                                "Write one JSON line per frame sent or received, naming its "
                                "port, to FILE for support (credentials masked).",
                                "FILE");
const QCommandLineOption kOut({"o", "out"}, "Write the data to F (- for stdout).", "F");
const QCommandLineOption kNoBackup("no-backup",
                                   "Do not back up the pages a write changes before writing.");
const QCommandLineOption kBackupDir("backup-dir",
                                    "Put the automatic backups in DIR instead of the "
                                    "configuration folder's backup/.",
                                    "DIR");
const QCommandLineOption kVerify("verify", "Read every written page back and compare (default).");
const QCommandLineOption kNoVerify("no-verify", "Do not read written pages back.");
const QCommandLineOption kHistory("history", "Include the 500 history pages.");
const QCommandLineOption kCheck("check",
                                "Read the device and print the plan as diff does; write nothing.");
const QCommandLineOption kAllPages("all-pages",
                                   "Write every page of each area, not only those that differ.");
const QCommandLineOption kForce("force",
                                "Undo even when the device holds something else than the write "
                                "left, or seems to be another device.");
const QCommandLineOption kYes("yes", "Confirm the deletion.");
} // namespace opt

void Describe(QCommandLineParser& parser, const Subcommand& s) {
    parser.setApplicationDescription(QString::fromLatin1(s.summary));
    parser.addPositionalArgument(QString::fromLatin1(s.words), QStringLiteral("The subcommand."));
    if (s.takes & kFileArg)
        parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The file to read."));
    if (s.takes & kDevice) {
        parser.addOption(opt::kPort);
        parser.addOption(opt::kPasswordFile);
        parser.addOption(opt::kJson);
        parser.addOption(opt::kTrace);
    }
    if (s.takes & kOut)
        parser.addOption(opt::kOut);
    if (s.takes & kWrite) {
        parser.addOption(opt::kNoBackup);
        parser.addOption(opt::kBackupDir);
        parser.addOption(opt::kVerify);
        parser.addOption(opt::kNoVerify);
    }
    if (s.takes & kPlan) {
        parser.addOption(opt::kCheck);
        parser.addOption(opt::kAllPages);
    }
    if (s.takes & kForce)
        parser.addOption(opt::kForce);
    if (s.takes & kHistory)
        parser.addOption(opt::kHistory);
    if (s.takes & kYes)
        parser.addOption(opt::kYes);
}

// `text` in lines of at most 78 characters, each after `indent`.
QString Wrapped(const char* text, const QString& indent) {
    QString out;
    QString line = indent;
    for (const QString& word : QString::fromLatin1(text).split(QLatin1Char(' '))) {
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
    std::fprintf(stderr, "gsmgate-cli%s%s: %s\nTry 'gsmgate-cli%s%s --help'.\n",
                 command.isEmpty() ? "" : " ", qPrintable(command), qPrintable(why),
                 command.isEmpty() ? "" : " ", qPrintable(command));
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
                                          "--out", "--backup-dir", "--trace"};
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
    QString text = QStringLiteral(
        "Usage: gsmgate-cli SUBCOMMAND [options]\n"
        "Provisions, backs up and restores GSM gate openers over their serial ports, several\n"
        "devices at once.\n\nSubcommands:\n");
    for (const Subcommand& s : Subcommands())
        text +=
            QStringLiteral("  %1\n%2\n")
                .arg(QString::fromLatin1(s.words), Wrapped(s.summary, QStringLiteral("      ")));
    text += QStringLiteral(
        "\nOptions:\n  -h, --help     Show this help; 'gsmgate-cli SUBCOMMAND --help' shows a "
        "subcommand's.\n  -v, --version  Show the version.\n\n"
        "Exit status: 0 when every device succeeded, 1 when any failed, 2 when the command line\n"
        "or a file was refused before anything was sent.\n");
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
                Refuse({}, QStringLiteral("unknown subcommand '%1'").arg(words.join(' ')))};
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
                       wanted
                           ? QStringLiteral("expects one FILE")
                           : QStringLiteral("takes no argument '%1'").arg(positional.join(' ')))};
    if (wanted)
        o.file = positional.first();
    if (sub->takes & kDevice) {
        o.ports = parser.values(opt::kPort);
        o.passwordFile = parser.value(opt::kPasswordFile);
        o.json = parser.isSet(opt::kJson);
        o.trace = parser.value(opt::kTrace);
        if (o.ports.isEmpty())
            return {std::nullopt, Refuse(command, QStringLiteral("needs --port"))};
    }
    if (sub->takes & kOut) {
        o.out = parser.value(opt::kOut);
        if (o.out.isEmpty())
            return {std::nullopt, Refuse(command, QStringLiteral("needs --out F"))};
        if (o.out == QLatin1String("-") && o.json)
            return {std::nullopt,
                    Refuse(command, QStringLiteral("--out - and --json both want stdout"))};
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
                Refuse(command, QStringLiteral("deletes every history record; add --yes"))};
    return {o, 0};
}

} // namespace gsm::cli
