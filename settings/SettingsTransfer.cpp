#include "SettingsTransfer.h"

namespace gsm::settings {
namespace {

// Progress shown as a read reaches these settings.
struct Milestone {
    int row;
    std::uint16_t percent;
};
constexpr Milestone kReadMilestones[] = {
    {row::kNotifyRelayOn, 40},
    {row::kApn, 50},
    {row::kGprsUser, 90},
    {row::kGprsPassword, 100},
};
constexpr std::uint16_t kFirstPageStarted = 25;
constexpr std::uint16_t kSaveProgressPerPage = 50;

} // namespace

void SettingsTransfer::StartRead() {
    StartTransfer(
        m_basic, kPageCount, [this](std::uint16_t page) { RequestSettingsPage(page); },
        [this] { m_ui.showMessage(kReadSuccess); });
}

void SettingsTransfer::ReadStep() {
    SendNextPage(
        m_basic, [this](std::uint16_t page) { RequestSettingsPage(page); },
        [this] { m_ui.showMessage(kReadSuccess); });
}

bool SettingsTransfer::StartSave() {
    if (const auto error = m_codec.Validate()) {
        m_ui.showMessage(error->Message());
        return false;
    }
    m_basic.PageCount = kPageCount;
    m_basic.NextPage = 1;
    SaveStep();
    return true;
}

void SettingsTransfer::SaveStep() {
    SendNextPage(
        m_basic,
        [this](std::uint16_t page) {
            m_ui.setProgress(static_cast<std::uint16_t>(page * kSaveProgressPerPage));
            WriteSettingsPage(page);
        },
        [this] { m_ui.showMessage(kSaveSuccess); });
}

void SettingsTransfer::RequestSettingsPage(std::uint16_t page) {
    SendRequest(m_link, cmd::kReadPage, addr::SettingsPage(page), {}, status::kReadSettings);
}

bool SettingsTransfer::WriteSettingsPage(std::uint16_t page) {
    if (const auto error = m_codec.EncodeSettingsPage(page, m_basic.Data)) {
        // The transfer stops at the page that could not be encoded.
        m_basic.NextPage = page;
        m_ui.showMessage(error->Message());
        return false;
    }
    SendRequest(m_link, cmd::kWritePage, addr::SettingsPage(page), m_basic.Data,
                status::kSaveSettings);
    return true;
}

void SettingsTransfer::DecodeSettingsPage() {
    const int page = PageAtAddress(m_basic.Address);
    if (page == 1) {
        m_ui.setProgress(kFirstPageStarted);
        m_ui.setPanelText(kFirstPageText);
    } else if (page == 2) {
        m_ui.setPanelText(kSecondPageText);
    }
    if (page != 0)
        m_codec.DecodeSettingsPage(page, m_basic.Data,
                                   [this](const PageField& f) { ShowProgressAfter(f); });
    if (page == 2)
        m_ui.setPanelText("");
    ReadStep();
}

void SettingsTransfer::ShowProgressAfter(const PageField& f) {
    for (const Milestone& m : kReadMilestones)
        if (m.row == f.row)
            m_ui.setProgress(m.percent);
}

} // namespace gsm::settings
