#pragma once
// Moves the settings between the grid (with its lists) and the two device
// pages, by way of the settings record: the cells are taken into a record,
// validated and encoded; a read decodes a page into a record and shows it.
// Texts are converted through the device code page; a value that the device
// cannot hold as it stands is refused before any byte is sent, never cut or
// wrapped.

#include "ChoiceLists.h"
#include "SettingsCells.h"
#include "SettingsLayout.h"
#include "SettingsPages.h"
#include "SettingsRecord.h"
#include "SettingsValidation.h"
#include "protocol/Grid.h"
#include "text/CodePage.h"

#include <functional>
#include <optional>

namespace gsm::settings {

class SettingsCodec {
public:
    SettingsCodec(IGrid& grid, IChoiceLists& lists, const CodePage& codePage)
        : m_grid(grid), m_lists(lists), m_codePage(codePage) {}

    // Fill `data` from the grid and the lists. Only the settings of that page
    // can refuse it; on a refusal `data` is left as it was.
    std::optional<SettingError> EncodeSettingsPage1(Page& data) const;
    std::optional<SettingError> EncodeSettingsPage2(Page& data) const;
    std::optional<SettingError> EncodeSettingsPage(int page, Page& data) const;

    // The first setting, in page order, that neither page can carry.
    std::optional<SettingError> Validate() const;

    // Called after each field has been written into the grid or its list.
    using FieldDecoded = FieldShown;
    // Writes the fields of settings page `page` (1 or 2) into the grid and
    // the lists, and shows each list it sets.
    void DecodeSettingsPage(int page, const Page& data, const FieldDecoded& decoded = {});

private:
    IGrid& m_grid;
    IChoiceLists& m_lists;
    const CodePage& m_codePage;
};

} // namespace gsm::settings
