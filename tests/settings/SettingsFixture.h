#pragma once
// A settings grid with its lists as the window holds them at start-up, and
// helpers to build and inspect device pages.

#include "ChoiceLists.h"
#include "CodePage.h"
#include "Grid.h"
#include "SettingsCatalogue.h"
#include "SettingsCodec.h"
#include "SettingsLayout.h"

#include <string>
#include <string_view>

namespace gsm::settings::test {

struct StartGrid {
    TableGrid grid{kColCount, kRowCount};
    TableLists lists;

    StartGrid() { WriteStartGrid(grid); }
    void Set(int r, const std::string& text) { grid.SetCell(col::kContent, r, text); }
    std::string Get(int r) const { return grid.Cell(col::kContent, r); }
};

inline Page FilledPage() {
    Page page;
    page.fill(kFiller);
    return page;
}

// Writes `bytes` (which may hold 0 bytes) at `offset`.
inline void Put(Page& page, std::size_t offset, std::string_view bytes) {
    for (char c : bytes)
        page[offset++] = static_cast<std::uint8_t>(c);
}

inline std::string Take(const Page& page, std::size_t offset, std::size_t count) {
    return {page.begin() + static_cast<std::ptrdiff_t>(offset),
            page.begin() + static_cast<std::ptrdiff_t>(offset + count)};
}

} // namespace gsm::settings::test
