#include "SettingsSheet.h"

#include "Unit1.h"

#include <QComboBox>

namespace settings = gsm::settings;

SettingsSheet SettingsSheetOf(const TForm1& form) {
    return {form.ts1,
            form.strngrd_write,
            {form.cbb1, form.cbb2, form.cbb4, form.cbb3, form.cbb10, form.cbb12},
            form.btn21,
            form.btn22};
}

QComboBox* TComboLists::At(int row) const {
    const int slot = settings::ListSlot(row);
    return slot < 0 ? nullptr : m_lists[static_cast<std::size_t>(slot)];
}

int TComboLists::ItemIndex(int row) const {
    const QComboBox* list = At(row);
    return list ? list->currentIndex() : settings::kNoSelection;
}

void TComboLists::SetItemIndex(int row, int index) {
    QComboBox* list = At(row);
    if (!list)
        return;
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : settings::kNoSelection);
}

void TComboLists::ShowList(int row) {
    if (QComboBox* list = At(row))
        list->show();
}
