#pragma once
// The backup file: some areas of one device's memory, page by page, with a
// checksum per page, so a damaged or foreign file is refused before anything
// is sent to a device.
//
//   {"format": "gsmgate-cli backup", "version": 1,
//    "created": "2026-05-01T10:00:00Z", "program": "gsmgate-cli 1.7.2",
//    "port": "/dev/ttyUSB0", "simNumber": "+8613800138000",
//    "areas": {"settings": [{"page": 1, "crc32": "1c291ca3", "hex": "3731..."}, ...],
//              "numbers": [...], "history": [...]}}

#include "DevicePages.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace gsm::cli {

inline constexpr const char* kBackupFormat = "gsmgate-cli backup";
inline constexpr int kBackupVersion = 1;

struct Backup {
    QString created; // ISO 8601, UTC
    QString program; // "gsmgate-cli 1.7.2"
    QString port;
    QString simNumber;
    AreaPages areas;
};

QByteArray WriteBackup(const Backup& backup);

struct BackupRead {
    std::optional<Backup> backup;
    QString error; // why the file was refused
};

// Every area present must hold all its pages, in order, each matching its checksum.
BackupRead ReadBackup(const QByteArray& json);

} // namespace gsm::cli
