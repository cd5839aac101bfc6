#pragma once
// The history grid: 8 columns, a header row and 1000 record rows. Column 0
// holds the row numbers and is never rewritten; columns 1 to 7 hold one
// record each row. A non-empty "No." marks a row that holds a record.

#include "protocol/Grid.h"
#include "protocol/Translatable.h"

#include <array>
#include <string>

namespace gsm::history {

namespace col {
inline constexpr int kSerial = 0;
inline constexpr int kNo = 1;
inline constexpr int kDate = 2;
inline constexpr int kTime = 3;
inline constexpr int kFrom = 4;
inline constexpr int kAction = 5;
inline constexpr int kExecutant = 6;
inline constexpr int kContent = 7;
inline constexpr int kFirstRecord = kNo;
inline constexpr int kLastRecord = kContent;
} // namespace col

inline constexpr int kColumns = 8;
inline constexpr int kRecordRows = 1000;
inline constexpr int kGridRows = kRecordRows + 1;
inline constexpr int kRecordColumns = col::kLastRecord - col::kFirstRecord + 1;
// Sheet columns A to H of a history workbook, in characters.
inline constexpr std::array<double, kColumns> kXlsColumnWidths = {5, 16, 13, 13, 16, 16, 22, 22};

// The texts of columns 1 to 7 of one row, in column order.
using RowTexts = std::array<std::string, kRecordColumns>;

inline std::string& Text(RowTexts& row, int column) {
    return row[static_cast<std::size_t>(column - col::kFirstRecord)];
}
inline const std::string& Text(const RowTexts& row, int column) {
    return row[static_cast<std::size_t>(column - col::kFirstRecord)];
}

inline constexpr std::array<const char*, kColumns> kHeaders = {
    //: History headers: row, record number, date, time, source, event, phone number, text
    QT_TRANSLATE_NOOP("History", "Serial"),    QT_TRANSLATE_NOOP("History", "No."),
    QT_TRANSLATE_NOOP("History", "Date"),      QT_TRANSLATE_NOOP("History", "Time"),
    QT_TRANSLATE_NOOP("History", "From"),      QT_TRANSLATE_NOOP("History", "Action"),
    QT_TRANSLATE_NOOP("History", "Executant"), QT_TRANSLATE_NOOP("History", "Content")};

// The header row and the row numbers 1 to 1000 in column 0.
void InitHistoryGrid(IGrid& grid);

RowTexts ReadRow(const IGrid& grid, int row);
void WriteRow(IGrid& grid, int row, const RowTexts& texts);
void ClearRow(IGrid& grid, int row);

// Empties columns 1 to 7 of every record row; the row numbers stay.
void ClearHistoryGrid(IGrid& grid);

} // namespace gsm::history
