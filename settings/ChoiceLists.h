#pragma once
// The six drop-down lists of the settings grid, addressed by the row they
// stand over. The list's selected index, not the cell under it, is the
// setting's value. The window implements this over its combo boxes, tests
// over plain numbers.

#include "SettingsCatalogue.h"

#include <array>

namespace gsm::settings {

class IChoiceLists {
public:
    virtual ~IChoiceLists() = default;
    // The selected index of the list over row `r`; kNoSelection when none.
    virtual int ItemIndex(int r) const = 0;
    // An index the list does not have leaves it without a selection.
    virtual void SetItemIndex(int r, int index) = 0;
    virtual void ShowList(int r) = 0;
};

// Lists held in memory, starting hidden with their start indexes.
class TableLists : public IChoiceLists {
public:
    TableLists();

    int ItemIndex(int r) const override;
    void SetItemIndex(int r, int index) override;
    void ShowList(int r) override;
    bool Visible(int r) const;
    // The text of the selected item; empty without a selection.
    const char* ItemText(int r) const;

private:
    struct State {
        int index;
        bool visible;
    };
    static std::size_t Slot(int r);
    std::array<State, 6> m_states{};
};

// True when `index` names an item of `list`.
bool HasItem(const ChoiceList& list, int index);

} // namespace gsm::settings
