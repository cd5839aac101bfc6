#include "NumberTransfer.h"

#include "NumberValidation.h"

namespace gsm::numbers {

void TNumberListTransfer::StartRead() {
    pendingPages_.clear();
    StartTransfer(command_, addr::kNumberPages, ReadPageRequest(), ReadDone());
}

bool TNumberListTransfer::ValidateNumberList() {
    const std::vector<std::string> wrong = RowsWithoutPeriod(grid_);
    if (wrong.empty())
        return true;
    showMessage_(MissingPeriodMessage(wrong));
    return false;
}

bool TNumberListTransfer::StartSave() {
    if (!ValidateNumberList())
        return false;
    EncodedList list = EncodeNumberList(grid_);
    if (!list.wrongSerials.empty()) {
        showMessage_(WrongCellsMessage(list.wrongSerials));
        return false;
    }
    pendingPages_ = std::move(list.pages);
    StartTransfer(command_, addr::kNumberPages, SavePageRequest(), SaveDone());
    return true;
}

void TNumberListTransfer::DecodeNumberPage() {
    numbers::DecodeNumberPage(grid_, command_.Address, command_.Data);
    SendNextPage(command_, ReadPageRequest(), ReadDone());
}

void TNumberListTransfer::SaveStep() {
    // An acknowledgement with no save of ours under way asks for nothing.
    if (pendingPages_.empty())
        return;
    SendNextPage(command_, SavePageRequest(), SaveDone());
}

PageRequest TNumberListTransfer::ReadPageRequest() {
    return [this](std::uint16_t page) { RequestNumberPage(page); };
}

TransferDone TNumberListTransfer::ReadDone() {
    return [this] { showMessage_(message::kListRead); };
}

PageRequest TNumberListTransfer::SavePageRequest() {
    return [this](std::uint16_t page) { SendNumberPage(page); };
}

TransferDone TNumberListTransfer::SaveDone() {
    return [this] {
        pendingPages_.clear();
        showMessage_(message::kListSaved);
    };
}

void TNumberListTransfer::RequestNumberPage(std::uint16_t page) {
    SendRequest(link_, cmd::kReadPage, addr::NumberPage(page), {}, status::kReadNumbers);
}

void TNumberListTransfer::SendNumberPage(std::uint16_t page) {
    SendRequest(link_, cmd::kWritePage, addr::NumberPage(page), pendingPages_.at(page - 1u),
                status::kSaveList);
}

} // namespace gsm::numbers
