// A backup file as "restore" reads it: refused with a reason, or taken with
// every area whole; then the checks the pages pass before they are written.
// A backup that is taken is written back by the same program identically.

#include "FuzzSupport.h"
#include "backup/AutomaticBackups.h"
#include "backup/BackupFile.h"
#include "backup/Restorable.h"
#include "settings/SettingsPages.h"
#include "text/CodePage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gsm::backup;
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const BackupRead read = ReadBackup(json);
    FUZZ_CHECK(read.backup.has_value() == read.error.isEmpty());
    if (!read.backup)
        return 0;
    const Backup& backup = *read.backup;
    FUZZ_CHECK(!backup.areas.empty());
    for (const auto& [area, pages] : backup.areas)
        FUZZ_CHECK(static_cast<int>(pages.size()) == gsm::PageCount(area));
    if (const auto settings = backup.areas.find(gsm::Area::Settings);
        settings != backup.areas.end()) {
        (void)RefusedSettingsPages(settings->second);
        (void)gsm::settings::SimNumberOf(settings->second.front(), gsm::SystemCodePageInstance());
    }
    if (const auto numbers = backup.areas.find(gsm::Area::Numbers); numbers != backup.areas.end())
        (void)NumberPagesProblem(numbers->second);

    const BackupRead again = ReadBackup(WriteBackup(backup));
    FUZZ_CHECK(again.backup.has_value());
    FUZZ_CHECK(again.backup->areas == backup.areas);
    FUZZ_CHECK(again.backup->created == backup.created && again.backup->program == backup.program &&
               again.backup->port == backup.port && again.backup->simNumber == backup.simNumber);
    FUZZ_CHECK(again.backup->write.has_value() == backup.write.has_value());
    if (backup.write) {
        FUZZ_CHECK(again.backup->write->left == backup.write->left);
        FUZZ_CHECK(again.backup->write->simNumber == backup.write->simNumber &&
                   again.backup->write->usbSerial == backup.write->usbSerial &&
                   again.backup->write->command == backup.write->command);
        // What an undo compares: every area the record names, digest by digest.
        (void)UndoRefusal(backup, DeviceNow{backup.areas, backup.simNumber, {}});
    }
    return 0;
}
