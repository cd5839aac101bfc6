#pragma once
// The automatic backups both programs take before a write: one folder, one
// naming ("2026-12-08_10-15-02-123_ttyUSB0_numbers-set.json"), one format,
// so either program's undo finds the other's. A file in the folder that is
// no backup of this program, or too big to be one, is passed over.

#include "BackupFile.h"

#include <QString>

#include <optional>

namespace gsm::backup {

// The configuration folder's backup/ below the user's data folder.
QString DefaultBackupFolder();

// Saves `backup`, taken before `command` ("numbers set"), in `folder` (made,
// the owner's alone, when missing) under a name no file has, never over
// one; the path, or empty with the reason.
QString SaveAutomaticBackup(const Backup& backup, const QString& folder, const QString& command,
                            QString* failure);

struct FoundBackup {
    QString path;
    Backup backup;
};

// The newest automatic backup in `folder` that a write to `port` took;
// none when there is none.
std::optional<FoundBackup> NewestAutomaticBackup(const QString& folder, const QString& port);

// Whether two names, as given, are the same port.
bool SamePort(const QString& a, const QString& b);

// The device as an undo finds it: the areas the write record names, as they
// read now, and who the device is.
struct DeviceNow {
    AreaPages areas;
    QString simNumber;
    QString usbSerial;
};

// Why putting `backup` back would undo something else than its write: the
// device holds other pages than the write left ("numbers page 3 has changed
// since"), or is another device. Empty when the undo may go ahead.
QString UndoRefusal(const Backup& backup, const DeviceNow& now);

} // namespace gsm::backup
