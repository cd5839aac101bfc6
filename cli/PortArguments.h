#pragma once
// Turns the --port values into the devices to work on: a value with *, ? or
// [ is a glob over the file system (sorted, as the shell would), anything
// else is taken as it stands. Each port is worked on once.

#include <QStringList>

namespace gsm::cli {

struct PortExpansion {
    QStringList ports;
    QStringList unmatched; // globs that matched nothing
};

PortExpansion ExpandPorts(const QStringList& values);

// What `ports` prints: one line per port, path, description and USB id,
// tab-separated. When the simulators' folder is not to be trusted, stderr
// says why they are not listed.
QString PortTable();

} // namespace gsm::cli
