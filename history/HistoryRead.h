#pragma once
// Reading the device's event log: 500 pages of two records, each page
// decoded into the rows its address names, then the gaps closed.

#include "HistoryGrid.h"
#include "protocol/Frame.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace gsm {
class CodePage;
}

namespace gsm::history {

// The grid row of the first record of the page at `address`; the second
// record goes to the row after it. Empty when either row would fall outside
// rows 1 to 1000.
std::optional<int> FirstRowOfPage(std::int64_t address);

// Decodes both records of a page into their rows. A reply that cannot be
// placed, or that carried more than a page, is ignored (false, grid
// untouched). A shorter payload still decodes both records from whatever
// `page` holds beyond it.
bool DecodePageIntoGrid(IGrid& grid, std::int32_t address,
                        std::span<const std::uint8_t, frame::kMaxPayload> page,
                        std::size_t payloadLength, const CodePage& codePage);

// A row survives the end of a read when it has a record number and its date
// begins with a four-digit year below 2080.
bool KeptByCompaction(const RowTexts& row);

// Moves the surviving rows up, in their order, and empties the rest.
void CompactHistoryGrid(IGrid& grid);

} // namespace gsm::history
