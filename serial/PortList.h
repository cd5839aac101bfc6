#pragma once
// Lists the serial ports a user can pick: the system's ports, then the
// simulated devices that announce themselves by a symlink in a runtime folder.

#include <QList>
#include <QString>
#include <QStringList>

// One port as the list shows it.
struct PortEntry {
    QString path;        // what is opened, e.g. /dev/ttyUSB0
    QString description; // the system's description of the device; may be empty
    QString usbId;       // USB vendor:product in hex ("10c4:ea60"); empty for other ports

    bool IsUsb() const { return !usbId.isEmpty(); }
    // What a tooltip tells about the port beyond its path.
    QString Details() const;
};

class PortList {
public:
    // System ports, USB ones before built-in ones (each group in the order
    // the system reports it), then the announced symlinks sorted by name.
    QList<PortEntry> ListPortEntries() const;
    // USB ports first; the order within each group is kept.
    static QList<PortEntry> UsbFirst(QList<PortEntry> ports);

    // The paths of ListPortEntries(); a symlink whose target is gone is left out.
    QStringList ListPorts() const;

    // The folder where a simulated device places its symlink:
    // $XDG_RUNTIME_DIR/gsmgate when XDG_RUNTIME_DIR is set and non-empty,
    // else /tmp/gsmgate-<uid>. Returned without a trailing slash.
    static QString AnnouncementDir();
    // Why the announced simulators are not listed, or empty when they are
    // (see gsm::AnnouncementFolderProblem).
    static QString AnnouncementProblem();

    // The serial number of the USB adapter behind `port` (its path or a
    // link to it), which tells one device's adapter from another; empty for
    // a port that is no USB adapter or whose adapter has none.
    static QString UsbSerialNumber(const QString& port);

private:
    static QStringList AnnouncedPorts();
};
