#pragma once
// Runs one command line: checks its files once, then works on every device
// at the same time, each in its own session on the one event loop, and
// ends with the summary. One device's failure never stops the others.

#include "CliOptions.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace gsm::cli {

struct Environment {
    std::optional<QString> password; // $GSMGATE_PASSWORD
    bool stdinTerminal = false;
    bool stderrTerminal = false;
    QString defaultBackupDir;
    QStringList arguments; // the whole command line, for the rerun hint
};

// The exit code: 0 when every device succeeded, 1 when any failed, 2 when
// the command was refused before anything was sent.
int Run(const CliOptions& options, const Environment& environment);

// Where a get or a backup writes for `port`: the name as given for one
// device, with the port's name before the extension for several.
QString OutputFor(const QString& output, const QString& port, bool severalDevices);

} // namespace gsm::cli
