#pragma once
// Which pages of a backup may go back to a device: its settings and number
// pages (the device has no write for its history), each holding only what a
// save could have written. A restore and an undo, in either program, pass
// the same checks before anything is sent.

#include "BackupFile.h"

#include <QString>

#include <optional>

namespace gsm::backup {

// Why the settings pages may not be written back (each is written byte for
// byte, but its values must pass as a save's would); empty when they may.
QString RefusedSettingsPages(const Pages& settings);

// Why the number pages may not be written back ("slot 17: ..."), or empty
// when the device could hold every record.
QString NumberPagesProblem(const Pages& numbers);

struct AreasOrError {
    std::optional<AreaPages> areas;
    QString error;
};

// The settings and number pages of `backup`, checked; or why they are refused.
AreasOrError RestorableAreas(const Backup& backup);

} // namespace gsm::backup
