#pragma once
// Lists the serial ports a user can pick: the system's ports, then the
// simulated devices that announce themselves by a symlink in a runtime folder.

#include <QString>
#include <QStringList>

class Trecognitionserial {
public:
    // System port paths (e.g. /dev/ttyUSB0) in the order the system reports
    // them, then the announced symlinks sorted by name; a symlink whose target
    // is gone is left out.
    QStringList ListPorts() const;

    // The folder where a simulated device places its symlink:
    // $XDG_RUNTIME_DIR/gsmgate when XDG_RUNTIME_DIR is set and non-empty,
    // else /tmp/gsmgate-<uid>. Returned without a trailing slash.
    static QString AnnouncementDir();

private:
    static QStringList AnnouncedPorts();
};
