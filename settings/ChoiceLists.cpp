#include "ChoiceLists.h"

#include <stdexcept>
#include <string>

namespace gsm::settings {

bool HasItem(const ChoiceList& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.items.size();
}

TableLists::TableLists() {
    for (std::size_t i = 0; i < states_.size(); ++i)
        states_[i] = {ChoiceLists()[i].startIndex, false};
}

std::size_t TableLists::Slot(int r) {
    const int slot = ListSlot(r);
    if (slot < 0)
        throw std::out_of_range("no list over row " + std::to_string(r));
    return static_cast<std::size_t>(slot);
}

int TableLists::ItemIndex(int r) const {
    return states_[Slot(r)].index;
}

void TableLists::SetItemIndex(int r, int index) {
    const std::size_t slot = Slot(r);
    states_[slot].index = HasItem(ChoiceLists()[slot], index) ? index : kNoSelection;
}

void TableLists::ShowList(int r) {
    states_[Slot(r)].visible = true;
}

bool TableLists::Visible(int r) const {
    return states_[Slot(r)].visible;
}

const char* TableLists::ItemText(int r) const {
    const std::size_t slot = Slot(r);
    const ChoiceList& list = ChoiceLists()[slot];
    const int index = states_[slot].index;
    return HasItem(list, index) ? list.items[static_cast<std::size_t>(index)] : "";
}

} // namespace gsm::settings
