#pragma once
// Reading and saving the two settings pages. Both transfers run on the one
// TBasicInf and share its counters, so starting either takes over from an
// unfinished one. Each request goes out only after the device has answered
// the one before: the receive path calls DecodeSettingsPage for a read reply
// and SaveStep for an accepted write.

#include "Commands.h"
#include "SettingsCodec.h"

#include <cstdint>
#include <functional>
#include <string>

namespace gsm::settings {

inline constexpr const char* kReadConfirmation =
    "Read the GSM device basic parameters to PC software?";
inline constexpr const char* kReadSuccess = "Basic settings read to PC software success.";
inline constexpr const char* kSaveSuccess = "Basic setting saved success";
inline constexpr const char* kFirstPageText = "The first page";
inline constexpr const char* kSecondPageText = "The second page";

struct TransferUi {
    std::function<void(std::uint16_t percent)> setProgress;
    // Writes status panel 2 directly, without the status timer.
    std::function<void(const std::string&)> setPanelText;
    std::function<void(const std::string&)> showMessage;
};

class SettingsTransfer {
public:
    SettingsTransfer(DeviceLink& link, TBasicInf& basic, SettingsCodec& codec, TransferUi ui)
        : m_link(link), m_basic(basic), m_codec(codec), m_ui(std::move(ui)) {}

    // The user has confirmed the read: fetch page 1, then page 2.
    void StartRead();
    // Checks every setting first; a refusal names the setting and sends nothing.
    bool StartSave();

    void RequestSettingsPage(std::uint16_t page);
    // False (after telling the user) when the page cannot be encoded.
    bool WriteSettingsPage(std::uint16_t page);

    // The reply to a page read is in Data and Address of TBasicInf.
    void DecodeSettingsPage();
    // Paging steps of the read and the save transfer.
    void ReadStep();
    void SaveStep();

private:
    void ShowProgressAfter(const PageField& f);

    DeviceLink& m_link;
    TBasicInf& m_basic;
    SettingsCodec& m_codec;
    TransferUi m_ui;
};

} // namespace gsm::settings
