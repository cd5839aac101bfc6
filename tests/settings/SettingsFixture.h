#pragma once
// A settings grid with its lists as the window holds them at start-up, and
// helpers to build and inspect device pages.

#include "protocol/Grid.h"
#include "settings/ChoiceLists.h"
#include "settings/SettingsCatalogue.h"
#include "settings/SettingsCodec.h"
#include "settings/SettingsLayout.h"
#include "text/CodePage.h"

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

// The code page of a Western European PC.
inline const CodePage& Western() {
    static const CodePage page("CP1252");
    return page;
}

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

// Page 1 as a device leaves the factory: the start values of the grid.
inline Page FactoryPageOne() {
    using namespace std::string_literals;
    Page page = FilledPage();
    Put(page, 0, "7145");
    page[26] = 0x01;
    page[27] = 0x01;
    Put(page, 28, "Unauthorized door opened\0"s);
    Put(page, 68, "DIN2 Alarm\0"s);
    Put(page, 108, "\x0A\x00"s);
    page[110] = 0x01;
    page[111] = 0x00;
    Put(page, 112, "\0\0\0\0"s);
    page[116] = 0x03;
    page[117] = 0x03;
    Put(page, 118, "Relay ON\0"s);
    Put(page, 158, "Relay OFF\0"s);
    Put(page, 198, "\x0F\x27\xE7\x03\x00\x00"s);
    return page;
}

inline std::string Take(const Page& page, std::size_t offset, std::size_t count) {
    return {page.begin() + static_cast<std::ptrdiff_t>(offset),
            page.begin() + static_cast<std::ptrdiff_t>(offset + count)};
}

} // namespace gsm::settings::test
