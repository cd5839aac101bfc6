#pragma once
// The editor behaviour of the settings grid: which cells can be edited, the
// typing rules that keep each value within what the device can hold, the
// choice lists standing over their cells, the header's colour, and the
// horizontal scroll handling.

#include "SettingsSheet.h"
#include "text/CodePage.h"

#include <QObject>
#include <QString>

inline constexpr const char* kScrollCaptionPrefix = "滚动条位置:";

class SettingsGridEditor : public QObject {
    Q_OBJECT

public:
    SettingsGridEditor(const SettingsSheet& sheet, const gsm::CodePage& codePage,
                       QObject* parent = nullptr);

    void onSettingsCellSelected(int col, int row);
    void onSettingsCellEdited(int col, int row, const QString& text);
    void drawSettingsCell(int col, int row);
    // Stands each list over its cell where the grid shows that cell now,
    // so a window's first frame has them without a second layout pass.
    void ShowListsOfVisibleCells();
    // Gives each list's drop-down its fixed item height; until then a list
    // has not built its drop-down.
    void PrepareDropDowns();
    // The grid's horizontal scroll bar is about to move.
    void onSettingsGridScrolledSideways();

    void onDin1TypeListLeft();
    void onDin2TypeListLeft();
    void onArmAfterPowerOnListLeft();
    void onRelayAuthorizationListLeft();
    void onNotifyRelayOnListLeft();
    void onNotifyRelayOffListLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InstallGridHook();
    // Writes the text of the list's selected item into the cell under it.
    void ListExit(int row);
    void PlaceList(QComboBox& list, int row);
    // Hides the lists until the grid paints their cells at their new places.
    void ReplaceLists();

    SettingsSheet m_sheet;
    ComboLists m_lists;
    const gsm::CodePage& m_codePage;
};
