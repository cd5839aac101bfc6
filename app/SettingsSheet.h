#pragma once
// The controls of the Basic Settings sheet, owned by the window, and the six
// choice lists as the settings code sees them.

#include "ChoiceLists.h"

#include <array>

class QComboBox;
class QPushButton;
class QWidget;
class StringGrid;

struct SettingsSheet {
    QWidget* ts1;
    StringGrid* strngrd_write;
    // In the order of the catalogue: cbb1, cbb2, cbb4, cbb3, cbb10, cbb12.
    std::array<QComboBox*, 6> lists;
    QPushButton* btn21; // Read Settings
    QPushButton* btn22; // Save Settings
    QPushButton* btn16; // Import profile
    QPushButton* btn17; // Export profile
};

// A selected index per row; an index the list does not have clears the selection.
class ComboLists : public gsm::settings::IChoiceLists {
public:
    explicit ComboLists(const std::array<QComboBox*, 6>& lists) : m_lists(lists) {}

    int ItemIndex(int row) const override;
    void SetItemIndex(int row, int index) override;
    void ShowList(int row) override;
    // The list over `row`, or nullptr.
    QComboBox* At(int row) const;
    const std::array<QComboBox*, 6>& All() const { return m_lists; }

private:
    std::array<QComboBox*, 6> m_lists;
};
