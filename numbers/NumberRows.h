#pragma once
// Entries and the grid rows that show them. The grid stays the window's
// model of what the user sees; whatever goes to the device is taken from it
// as entries and checked as entries.

#include "NumberEntry.h"
#include "protocol/Grid.h"

#include <optional>
#include <string>
#include <vector>

namespace gsm::numbers {

// Number, period cells ("20yy-mm-dd", "hh:mm", empty for a missing part) and
// the Always mark. The serial and the Delete mark are the PC's own and stay.
void ShowEntryInRow(const NumberEntry& entry, IGrid& grid, int row);

struct RowEntry {
    NumberEntry entry;
    // False when a period cell that counts holds text that is no date or
    // time at all; its part is then missing from `entry`.
    bool cellsInForm = true;
};

// A Delete mark "yes" gives an erased entry and an Always mark "yes" an
// entry without a period, whatever their other cells hold; an empty period
// cell is a missing part.
RowEntry ReadRowEntry(const IGrid& grid, int row);

// The list a save would write, and the rows that stop it.
struct GridList {
    NumberList entries;
    // Serials of numbered rows with neither mark and an empty period cell.
    std::vector<std::string> missingPeriod;
    // Serials of rows whose number, date or time cannot be stored as it stands.
    std::vector<std::string> wrongCells;

    // The message that refuses the list, rows without a whole period first,
    // or nullopt when it may be written.
    std::optional<std::string> Refusal() const;
};

GridList NumberListFromGrid(const IGrid& grid);

} // namespace gsm::numbers
