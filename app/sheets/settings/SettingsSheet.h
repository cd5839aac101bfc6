#pragma once
// The controls of the Basic Settings sheet, owned by the window, and the six
// choice lists as the settings code sees them.

#include "settings/ChoiceLists.h"

#include <array>

class QComboBox;
class QPushButton;
class QWidget;
class StringGrid;

struct SettingsSheet {
    QWidget* settingsPage;
    StringGrid* settingsGrid;
    // In the order of the catalogue: din1TypeList, din2TypeList, armAfterPowerOnList,
    // relayAuthorizationList, notifyRelayOnList, notifyRelayOffList.
    std::array<QComboBox*, 6> lists;
    QPushButton* readSettingsButton;  // Read Settings
    QPushButton* saveSettingsButton;  // Save Settings
    QPushButton* importProfileButton; // Import profile
    QPushButton* exportProfileButton; // Export profile
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
