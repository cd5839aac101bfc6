#pragma once
// The number list as files: a workbook that copies the grid (header row and
// entries 1 to 1000, columns Serial to Delete(V)), read back all or nothing,
// and comma-separated lines.
//
// A workbook sheet is seen here as grids in grid coordinates: (col, row) is
// sheet cell (row + 1, col + 1). `values` holds each cell's value as text,
// `shown` the text a spreadsheet shows in it.

#include "NumberEntry.h"
#include "protocol/Grid.h"
#include "protocol/Link.h"
#include "protocol/Translatable.h"
#include "text/Csv.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gsm::numbers {

inline constexpr const char* kXlsFilePrefix = "telinf_R";
inline constexpr const char* kCsvFilePrefix = "telinf_CSV";
inline constexpr const char* kWrongListFormat = "Wrong format of the setting profile";
inline constexpr const char* kWrongRowsText =
    "Wrong information on the profile,please correct it and then import again,error:";
inline constexpr const char* kImportStatus = QT_TRANSLATE_NOOP("StatusTexts", "Import.xls");
inline constexpr const char* kCsvStatus = QT_TRANSLATE_NOOP("StatusTexts", "Export.csv:");
inline constexpr const char* kSaveStatus = QT_TRANSLATE_NOOP("StatusTexts", "Save:");
// Sheet columns A to F in characters; G and H keep the default width.
inline constexpr std::array<double, 6> kXlsColumnWidths = {4, 20, 16, 16, 16, 16};
inline constexpr int kCsvFields = 10;

struct ListSheet {
    const IGrid& values;
    const IGrid& shown;
};

using PercentSink = std::function<void(std::uint16_t percent)>;

// Whether cell A1 shows the Serial header.
bool IsNumberListSheet(const ListSheet& sheet);

// Entries (1 to 1000) whose period cannot be right in form: rows that have a
// number and neither mark need dates of ten characters with numbers at
// characters 3-4, 6-7 and the last two, and times of five characters with
// numbers in the first two and the last two. Ranges are not checked.
std::vector<int> WrongImportRows(const ListSheet& sheet);

// "...error:" N, a carriage return, "Serial: " and the first three rows,
// then "...." when there are more.
std::string WrongRowsMessage(const std::vector<int>& rows);

// Number and period (columns 1 to 5) from the values, Always from the shown
// text; serials and Delete marks stay. Status and progress after each entry.
// Nothing is checked: see CheckedImport.
void ImportNumberList(const ListSheet& sheet, IGrid& grid, IStatusSink& status,
                      const PercentSink& progress);

struct ImportResult {
    // Why the sheet was refused; the grid is then as it was.
    std::optional<std::string> refusal;
    // The list the grid now holds, checked as a save checks it.
    NumberList entries;
};

// "Import .XLS" all or nothing, for the window and the tool alike: the Serial
// header, then the form of the periods (WrongRowsMessage), then the list the
// import would leave, checked on a copy of `grid` as a save checks it (its
// Delete marks are the grid's own, so they take part). Only a sheet that
// passes all three reaches `grid`.
ImportResult CheckedImport(const ListSheet& sheet, IGrid& grid, IStatusSink& status,
                           const PercentSink& progress);

using gsm::CsvField;

// One line per entry 1 to 1000, empty entries too: columns 0 to 9 joined by
// "," (the grid has 8, so every line ends in two commas). Status and progress
// after each line.
std::vector<std::string> NumberListCsvLines(const IGrid& grid, IStatusSink& status,
                                            const PercentSink& progress);

} // namespace gsm::numbers
