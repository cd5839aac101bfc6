#pragma once
// The backup file: some areas of one device's memory, page by page, with a
// checksum per page, so a damaged or foreign file is refused before anything
// is sent to a device.
//
//   {"format": "gsmgate-cli backup", "version": 1,
//    "created": "2026-05-01T10:00:00Z", "program": "gsmgate-cli 1.7.2",
//    "port": "/dev/ttyUSB0", "simNumber": "+8613800138000",
//    "areas": {"settings": [{"page": 1, "crc32": "1c291ca3", "hex": "3731..."}, ...],
//              "numbers": [...], "history": [...]},
//    "write": {"command": "numbers set", "usbSerial": "A10KX3B2",
//              "simNumber": "+8613800138000",
//              "left": {"numbers": ["9f86d081...", ...]}}}
//
// "write" is there in an automatic backup, the one a write takes before it
// sends anything: what the write leaves on the device (a SHA-256 digest of
// every page of each area written) and the device it went to (its SIM
// number after the write, and the USB serial number of the adapter where
// there is one), so an undo can tell whether the device still holds that.

#include "PageText.h"
#include "protocol/Area.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace gsm::backup {

inline constexpr const char* kBackupFormat = "gsmgate-cli backup";
inline constexpr int kBackupVersion = 1;

// What the write that took an automatic backup leaves on the device.
struct WriteRecord {
    QString command;                              // "numbers set", "Save Settings"
    QString usbSerial;                            // empty when the adapter has none
    QString simNumber;                            // as the settings hold it after the write
    std::map<Area, std::vector<QByteArray>> left; // hex SHA-256 per page
};

struct Backup {
    QString created; // ISO 8601, UTC
    QString program; // "gsmgate-cli 1.7.2"
    QString port;
    QString simNumber;
    AreaPages areas;
    std::optional<WriteRecord> write;
};

// The hex SHA-256 of each page, as WriteRecord::left holds them.
std::vector<QByteArray> PageDigests(const Pages& pages);

QByteArray WriteBackup(const Backup& backup);

struct BackupRead {
    std::optional<Backup> backup;
    QString error; // why the file was refused
};

// Every area present must hold all its pages, in order, each matching its checksum.
BackupRead ReadBackup(const QByteArray& json);

} // namespace gsm::backup
