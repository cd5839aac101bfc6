#pragma once
// The number list lives only in its grid: row r (1 to 1000) is entry r, row 0
// holds the headers. Reading fills the cells, saving reads them.

#include "protocol/Grid.h"
#include "protocol/Translatable.h"

#include <array>
#include <string>

namespace gsm::numbers {

namespace col {
inline constexpr int kSerial = 0;
inline constexpr int kNumber = 1;
inline constexpr int kStartDate = 2;
inline constexpr int kStartTime = 3;
inline constexpr int kEndDate = 4;
inline constexpr int kEndTime = 5;
inline constexpr int kAlways = 6;
inline constexpr int kDelete = 7;
} // namespace col

inline constexpr int kColumnCount = 8;
inline constexpr int kEntryCount = 1000;
inline constexpr int kRowCount = kEntryCount + 1;

inline constexpr const char* kYes = "yes";
inline constexpr const char* kNo = "no";

// "Start Time " carries its trailing blank on purpose: files written by
// earlier versions use the same header text.
inline constexpr std::array<const char*, kColumnCount> kHeaders = {
    //: Number grid headers; (V) marks a tick column
    QT_TRANSLATE_NOOP("NumberList", "Serial"),
    QT_TRANSLATE_NOOP("NumberList", "Authorized number"),
    QT_TRANSLATE_NOOP("NumberList", "Start Date"),
    QT_TRANSLATE_NOOP("NumberList", "Start Time "),
    QT_TRANSLATE_NOOP("NumberList", "End Date"),
    QT_TRANSLATE_NOOP("NumberList", "End Time"),
    QT_TRANSLATE_NOOP("NumberList", "Always(V)"),
    QT_TRANSLATE_NOOP("NumberList", "Delete(V)"),
};

inline constexpr bool IsPeriodColumn(int c) {
    return c >= col::kStartDate && c <= col::kEndTime;
}
inline constexpr bool IsDateColumn(int c) {
    return c == col::kStartDate || c == col::kEndDate;
}
inline constexpr bool IsMarkColumn(int c) {
    return c == col::kAlways || c == col::kDelete;
}

// Headers, the serials 1 to 1000 and both marks "no" in every row.
void InitNumberGrid(IGrid& grid);

void EmptyPeriod(IGrid& grid, int row);

// A click on a mark: "yes" becomes "no"; anything else becomes "yes" and
// empties the row's period, since a marked entry carries no period. Returns
// whether the mark is now set.
bool ToggleMark(IGrid& grid, int markCol, int row);

// The same mark in every entry; periods are left alone.
void SetAllMarks(IGrid& grid, int markCol, bool set);

// Numbers and periods emptied, both marks "no"; serials and headers stay.
void ClearNumberList(IGrid& grid);

} // namespace gsm::numbers
