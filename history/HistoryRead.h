#pragma once
// Reading the device's event log: 500 pages of two records, one request at a
// time, each reply decoded into the rows its address names, then the gaps
// closed.

#include "Commands.h"
#include "HistoryGrid.h"

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

class HistoryReader {
public:
    HistoryReader(THistoryInf& inf, DeviceLink& link, IGrid& grid, const CodePage& codePage)
        : m_inf(inf), m_link(link), m_grid(grid), m_codePage(codePage) {}

    // Starts at page 1 without clearing the grid; a read in progress is abandoned.
    void Start();
    void RequestHistoryPage(std::uint16_t page);
    // The reply's page is in Data and its address in Address of the command
    // object; `payloadLength` is what the reply's length field said.
    void DecodeHistoryPage(std::size_t payloadLength);
    void SendNextPage();

private:
    THistoryInf& m_inf;
    DeviceLink& m_link;
    IGrid& m_grid;
    const CodePage& m_codePage;
};

} // namespace gsm::history
