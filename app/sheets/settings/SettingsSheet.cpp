#include "SettingsSheet.h"

#include <QComboBox>

namespace settings = gsm::settings;

QComboBox* ComboLists::At(int row) const {
    const int slot = settings::ListSlot(row);
    return slot < 0 ? nullptr : m_lists[static_cast<std::size_t>(slot)];
}

int ComboLists::ItemIndex(int row) const {
    const QComboBox* list = At(row);
    return list ? list->currentIndex() : settings::kNoSelection;
}

void ComboLists::SetItemIndex(int row, int index) {
    QComboBox* list = At(row);
    if (!list)
        return;
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : settings::kNoSelection);
}

void ComboLists::ShowList(int row) {
    if (QComboBox* list = At(row))
        list->show();
}
