#pragma once
// Records that go back to the device byte for byte, as a backup restores
// them, are checked for values first. What a device may have stored itself
// passes: empty and erased records, the always form whatever its year bytes
// hold, and numbers whose period starts with 0xFF (the read shows none).

#include "NumberPages.h"
#include "NumberRecord.h"

#include <optional>
#include <span>
#include <string>

namespace gsm::numbers {

// Why the record may not be written, or nullopt. Refused: number bytes before
// the first 0x00 or 0xFF that are not "+" and digits (a read would show them
// as an empty number), and outside the forms above a month above 12, a day
// above 31, an hour above 23, a minute above 59 or a year beyond 2099 at
// either end. A month or day of 0 is a date left unset.
std::optional<std::string> CheckNumberRecord(ConstRecordBytes record);

// The first refused record of page `page` (1 to 125), as "slot 17: " and
// the record's problem.
std::optional<std::string> CheckNumberPage(int page,
                                           std::span<const std::uint8_t, addr::kPageSize> bytes);

} // namespace gsm::numbers
