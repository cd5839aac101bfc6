#include "ChoiceLists.h"

#include <stdexcept>
#include <string>

namespace gsm::settings {

bool HasItem(const ChoiceList& list, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < list.items.size();
}

TableLists::TableLists() {
    for (std::size_t i = 0; i < m_states.size(); ++i)
        m_states[i] = {ChoiceLists()[i].startIndex, false};
}

std::size_t TableLists::Slot(int r) {
    const int slot = ListSlot(r);
    if (slot < 0)
        throw std::out_of_range("no list over row " + std::to_string(r));
    return static_cast<std::size_t>(slot);
}

int TableLists::ItemIndex(int r) const {
    return m_states[Slot(r)].index;
}

void TableLists::SetItemIndex(int r, int index) {
    const std::size_t slot = Slot(r);
    m_states[slot].index = HasItem(ChoiceLists()[slot], index) ? index : kNoSelection;
}

void TableLists::ShowList(int r) {
    m_states[Slot(r)].visible = true;
}

bool TableLists::Visible(int r) const {
    return m_states[Slot(r)].visible;
}

const char* TableLists::ItemText(int r) const {
    const std::size_t slot = Slot(r);
    const ChoiceList& list = ChoiceLists()[slot];
    const int index = m_states[slot].index;
    return HasItem(list, index) ? list.items[static_cast<std::size_t>(index)] : "";
}

} // namespace gsm::settings
