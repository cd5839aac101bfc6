#pragma once
// The number list on the wire: 125 pages of 8 records, page p holding
// entries (p - 1) * 8 + 1 to p * 8.

#include "NumberEntry.h"
#include "protocol/Frame.h"
#include "protocol/Grid.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gsm::numbers {

using PageBytes = std::array<std::uint8_t, addr::kPageSize>;

int FirstRowOfPage(int page);

// The 125 pages of a list (pages[p - 1] is page p). The entries are written
// as they are: check them first (NumberListFromGrid, ValidateNumberEntry).
// Slots the list does not reach are written empty.
std::vector<PageBytes> NumberListPages(const NumberList& list);

// What a save of the grid would write: the pages, and the rows that stop it.
struct EncodedPage {
    PageBytes bytes{};
    // Rows whose cells cannot be stored as they stand.
    std::vector<int> wrongRows;
};

EncodedPage EncodeNumberPage(const IGrid& grid, int page);

struct EncodedList {
    std::vector<PageBytes> pages; // pages[p - 1] is page p
    std::vector<std::string> wrongSerials;
};

EncodedList EncodeNumberList(const IGrid& grid);

// Writes the records of the page at `address` into their rows. A page beyond
// the list has no rows and changes nothing.
void DecodeNumberPage(IGrid& grid, std::int32_t address,
                      std::span<const std::uint8_t, addr::kPageSize> data);

} // namespace gsm::numbers
