#pragma once
// The command line: one subcommand (a word or two, such as "numbers set"),
// its file argument and its options. Every subcommand has its own --help.

#include <QString>
#include <QStringList>

#include <optional>

namespace gsm::cli {

enum class Operation {
    Ports,
    Backup,
    Restore,
    Diff,
    Undo,
    SettingsGet,
    SettingsSet,
    NumbersGet,
    NumbersSet,
    HistoryGet,
    HistoryDelete,
    ClockSync,
    ConfigGet,
    ConfigApply,
    ConfigDiff,
};

struct CliOptions {
    Operation operation = Operation::Ports;
    QString command;   // "numbers set"
    QString file;      // backup FILE, restore FILE, ... set FILE
    QString out;       // --out
    QStringList ports; // --port, as given (paths or globs)
    QString passwordFile;
    QString trace;     // --trace: the frame trace of every device
    QString backupDir; // empty: the configuration folder's backup/
    bool backup = true;
    bool verify = true;
    bool history = false; // backup --history
    bool yes = false;     // history delete --yes
    bool json = false;
    bool check = false;    // --check: print the plan, write nothing
    bool allPages = false; // --all-pages: write every page, not only those that differ
    bool force = false;    // undo --force
};

// The parsed options, or the exit code when the command line has been
// answered (--help, --version) or refused (the message went to stderr).
struct Parsed {
    std::optional<CliOptions> options;
    int exitCode = 0;
};

Parsed ParseCommandLine(const QStringList& arguments);

// Whether the operation writes to the device.
bool Writes(Operation operation);
// Whether it only reads the device and prints what a write would change.
bool OnlyCompares(Operation operation);
// The general help: every subcommand with one line.
QString GeneralHelp();

} // namespace gsm::cli
