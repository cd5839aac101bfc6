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

void Tsettings_transfer::StartRead() {
    StartTransfer(
        basic_, kPageCount, [this](std::uint16_t page) { RequestSettingsPage(page); },
        [this] { ui_.showMessage(kReadSuccess); });
}

void Tsettings_transfer::ReadStep() {
    SendNextPage(
        basic_, [this](std::uint16_t page) { RequestSettingsPage(page); },
        [this] { ui_.showMessage(kReadSuccess); });
}

bool Tsettings_transfer::StartSave() {
    if (const auto error = codec_.Validate()) {
        ui_.showMessage(error->Message());
        return false;
    }
    basic_.PageCount = kPageCount;
    basic_.NextPage = 1;
    SaveStep();
    return true;
}

void Tsettings_transfer::SaveStep() {
    SendNextPage(
        basic_,
        [this](std::uint16_t page) {
            ui_.setProgress(static_cast<std::uint16_t>(page * kSaveProgressPerPage));
            WriteSettingsPage(page);
        },
        [this] { ui_.showMessage(kSaveSuccess); });
}

void Tsettings_transfer::RequestSettingsPage(std::uint16_t page) {
    SendRequest(link_, cmd::kReadPage, addr::SettingsPage(page), {}, status::kReadSettings);
}

bool Tsettings_transfer::WriteSettingsPage(std::uint16_t page) {
    if (const auto error = codec_.EncodeSettingsPage(page, basic_.Data)) {
        // The transfer stops at the page that could not be encoded.
        basic_.NextPage = page;
        ui_.showMessage(error->Message());
        return false;
    }
    SendRequest(link_, cmd::kWritePage, addr::SettingsPage(page), basic_.Data,
                status::kSaveSettings);
    return true;
}

void Tsettings_transfer::DecodeSettingsPage() {
    const int page = PageAtAddress(basic_.Address);
    if (page == 1) {
        ui_.setProgress(kFirstPageStarted);
        ui_.setPanelText(kFirstPageText);
    } else if (page == 2) {
        ui_.setPanelText(kSecondPageText);
    }
    if (page != 0)
        codec_.DecodeSettingsPage(page, basic_.Data,
                                  [this](const PageField& f) { ShowProgressAfter(f); });
    if (page == 2)
        ui_.setPanelText("");
    ReadStep();
}

void Tsettings_transfer::ShowProgressAfter(const PageField& f) {
    for (const Milestone& m : kReadMilestones)
        if (m.row == f.row)
            ui_.setProgress(m.percent);
}

} // namespace gsm::settings
