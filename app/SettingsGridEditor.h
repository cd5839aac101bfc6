#pragma once
// The editor behaviour of the settings grid: which cells can be edited, the
// typing rules that keep each value within what the device can hold, the
// choice lists standing over their cells, the header's colour, and the
// horizontal scroll handling.

#include "CodePage.h"
#include "SettingsSheet.h"

#include <QObject>
#include <QString>

inline constexpr const char* kScrollCaptionPrefix = "滚动条位置:";

class SettingsGridEditor : public QObject {
    Q_OBJECT

public:
    SettingsGridEditor(const SettingsSheet& sheet, const gsm::CodePage& codePage,
                       QObject* parent = nullptr);

    void strngrd_writeSelectCell(int col, int row);
    void strngrd_writeSetEditText(int col, int row, const QString& text);
    void strngrd_writeDrawCell(int col, int row);
    // The grid's horizontal scroll bar is about to move.
    void strngrd_writeHorizontalScroll();

    void cbb1Exit();
    void cbb2Exit();
    void cbb4Exit();
    void cbb3Exit();
    void cbb10Exit();
    void cbb12Exit();

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
