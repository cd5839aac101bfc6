// A settings profile file (JSON, or a workbook of any format) read as
// "Import profile" and the tool's "settings set" read it: the sheet, then the
// record's checks, then the pages a save would write. Pages that a profile
// gives must pass the check a restore makes of the same pages: the two
// doors to the device's settings may not disagree.

#include "FuzzSupport.h"
#include "files/ProfileFile.h"
#include "settings/ChoiceLists.h"
#include "settings/SettingsCatalogue.h"
#include "settings/SettingsCells.h"
#include "settings/SettingsPages.h"
#include "settings/SettingsProfile.h"
#include "settings/SettingsValidation.h"
#include "text/CodePage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gsm;
    namespace settings = gsm::settings;
    const QString path = fuzz::WriteScratch(fuzz::FileBytes(data, size));

    const files::ProfileSheet sheet = files::ReadProfileSheet(path);
    FUZZ_CHECK(sheet.cells.has_value() == sheet.error.isEmpty());
    if (!sheet.cells)
        return 0;
    FUZZ_CHECK(sheet.cells->ColCount() == settings::kColCount &&
               sheet.cells->RowCount() == settings::kRowCount);

    const CodePage& codePage = SystemCodePageInstance();
    TableGrid grid(settings::kColCount, settings::kRowCount);
    settings::WriteStartGrid(grid);
    settings::TableLists lists;
    const TableGrid before = grid;
    const settings::ProfileLoad load =
        settings::LoadProfile(sheet.a1Shown, *sheet.cells, grid, lists, codePage, [](int, int) {});
    if (!load.loaded) {
        FUZZ_CHECK(!load.message.empty());
        // A refused profile changes nothing.
        for (int r = 0; r < settings::kRowCount; ++r)
            for (int c = 0; c < settings::kColCount; ++c)
                FUZZ_CHECK(grid.Cell(c, r) == before.Cell(c, r));
        return 0;
    }
    const settings::CellSettings taken = settings::SettingsFromGrid(grid, lists);
    // What loaded passed the save's validation already.
    FUZZ_CHECK(!settings::FirstRefusal(taken, codePage));
    const settings::EncodedSettings encoded = settings::EncodeSettings(taken.settings, codePage);
    FUZZ_CHECK(!encoded.error);
    for (int page = 1; page <= settings::kPageCount; ++page) {
        const auto refused = settings::CheckSettingsPage(
            page, encoded.pages[static_cast<std::size_t>(page - 1)], codePage);
        if (refused)
            std::fprintf(stderr, "page %d refused: %s\n", page, refused->Message().c_str());
        FUZZ_CHECK(!refused);
    }
    return 0;
}
