#include "NumberTransfer.h"

#include "NumberRows.h"
#include "NumberValidation.h"

namespace gsm::numbers {

void NumberListTransfer::StartRead() {
    m_pendingPages.clear();
    StartTransfer(m_command, addr::kNumberPages, ReadPageRequest(), ReadDone());
}

bool NumberListTransfer::ValidateNumberList() {
    const std::vector<std::string> wrong = RowsWithoutPeriod(m_grid);
    if (wrong.empty())
        return true;
    m_showMessage(MissingPeriodMessage(wrong));
    return false;
}

bool NumberListTransfer::StartSave() {
    const GridList list = NumberListFromGrid(m_grid);
    if (const auto refusal = list.Refusal()) {
        m_showMessage(*refusal);
        return false;
    }
    m_pendingPages = NumberListPages(list.entries);
    StartTransfer(m_command, addr::kNumberPages, SavePageRequest(), SaveDone());
    return true;
}

void NumberListTransfer::DecodeNumberPage() {
    numbers::DecodeNumberPage(m_grid, m_command.Address, m_command.Data);
    SendNextPage(m_command, ReadPageRequest(), ReadDone());
}

void NumberListTransfer::SaveStep() {
    // An acknowledgement with no save of ours under way asks for nothing.
    if (m_pendingPages.empty())
        return;
    SendNextPage(m_command, SavePageRequest(), SaveDone());
}

PageRequest NumberListTransfer::ReadPageRequest() {
    return [this](std::uint16_t page) { RequestNumberPage(page); };
}

TransferDone NumberListTransfer::ReadDone() {
    return [this] { m_showMessage(message::kListRead); };
}

PageRequest NumberListTransfer::SavePageRequest() {
    return [this](std::uint16_t page) { SendNumberPage(page); };
}

TransferDone NumberListTransfer::SaveDone() {
    return [this] {
        m_pendingPages.clear();
        m_showMessage(message::kListSaved);
    };
}

void NumberListTransfer::RequestNumberPage(std::uint16_t page) {
    SendRequest(m_link, cmd::kReadPage, addr::NumberPage(page), {}, status::kReadNumbers);
}

void NumberListTransfer::SendNumberPage(std::uint16_t page) {
    SendRequest(m_link, cmd::kWritePage, addr::NumberPage(page), m_pendingPages.at(page - 1u),
                status::kSaveList);
}

} // namespace gsm::numbers
