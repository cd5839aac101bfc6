#include "SettingsCodec.h"

namespace gsm::settings {

std::optional<SettingError> SettingsCodec::EncodeSettingsPage1(Page& data) const {
    return EncodeSettingsPage(1, data);
}

std::optional<SettingError> SettingsCodec::EncodeSettingsPage2(Page& data) const {
    return EncodeSettingsPage(2, data);
}

std::optional<SettingError> SettingsCodec::EncodeSettingsPage(int page, Page& data) const {
    const CellSettings taken = SettingsFromGrid(m_grid, m_lists);
    // A cell of the other page that gives no number does not stop this one.
    std::optional<SettingError> refused;
    if (taken.error && PageOfRow(taken.error->row) == page)
        refused = taken.error;
    refused = FirstInPageOrder(std::move(refused),
                               ValidateSettingsPage(taken.settings, page, m_codePage));
    if (refused)
        return refused;
    data = settings::EncodeSettingsPage(taken.settings, page, m_codePage).page;
    return std::nullopt;
}

std::optional<SettingError> SettingsCodec::Validate() const {
    return FirstRefusal(SettingsFromGrid(m_grid, m_lists), m_codePage);
}

void SettingsCodec::DecodeSettingsPage(int page, const Page& data, const FieldDecoded& decoded) {
    if (PageLayout(page).empty())
        return;
    DeviceSettings read;
    settings::DecodeSettingsPage(page, data, m_codePage, read);
    SettingsToCells(read, page, m_grid, m_lists, decoded);
}

} // namespace gsm::settings
