#pragma once
// Reading the number list from the device and saving it back, one page per
// request. The reply handlers are run by the receive path once it has shown
// the page status and copied the reply into the command object.

#include "Commands.h"
#include "Grid.h"
#include "NumberPages.h"

#include <functional>
#include <string>
#include <vector>

namespace gsm::numbers {

namespace message {
inline constexpr const char* kReadQuestion =
    "Read the Authorized number list from GSM device to PC software?";
inline constexpr const char* kListRead = "Authorized number list read to PC software success.";
inline constexpr const char* kListSaved = "Authorized number list saved success";
} // namespace message

class NumberListTransfer {
public:
    using ShowMessage = std::function<void(const std::string&)>;

    NumberListTransfer(DeviceLink& link, TtelephoneSend& command, IGrid& grid,
                       ShowMessage showMessage)
        : m_link(link), m_command(command), m_grid(grid), m_showMessage(std::move(showMessage)) {}

    // Starts reading at page 1; the caller has asked the user.
    void StartRead();
    // Checks the list, encodes every page and sends page 1. Returns false,
    // after telling the user why, when nothing was sent.
    bool StartSave();

    // True when every numbered entry without a mark has its whole period.
    bool ValidateNumberList();

    // Read reply: the page is in the command object's Data, its address in Address.
    void DecodeNumberPage();
    // Write reply that the device accepted.
    void SaveStep();

private:
    void RequestNumberPage(std::uint16_t page);
    void SendNumberPage(std::uint16_t page);
    PageRequest ReadPageRequest();
    TransferDone ReadDone();
    PageRequest SavePageRequest();
    TransferDone SaveDone();

    DeviceLink& m_link;
    TtelephoneSend& m_command;
    IGrid& m_grid;
    ShowMessage m_showMessage;
    // The list as it stood when Save was clicked, sent page by page.
    std::vector<PageBytes> m_pendingPages;
};

} // namespace gsm::numbers
