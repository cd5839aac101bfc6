#include "NumberListFiles.h"
#include "text/Csv.h"

#include "NumberGrid.h"
#include "NumberRows.h"
#include "NumberValidation.h"
#include "PeriodText.h"

namespace gsm::numbers {

namespace {

constexpr std::size_t kDateLength = 10;
constexpr std::size_t kTimeLength = 5;

// A decimal integer of the two characters at `offset`: two digits, or a
// sign and a digit.
bool IsTwoCharacterInteger(std::u32string_view text, std::size_t offset) {
    if (offset + 2 > text.size())
        return false;
    const auto digit = [](char32_t c) { return c >= U'0' && c <= U'9'; };
    const char32_t first = text[offset];
    return digit(text[offset + 1]) && (digit(first) || first == U'+' || first == U'-');
}

// Lengths and positions count characters, as everywhere a period cell is read.
bool DateInForm(std::string_view cell) {
    const std::u32string text = CellCharacters(cell);
    return text.size() == kDateLength && IsTwoCharacterInteger(text, 5) &&
           IsTwoCharacterInteger(text, kDateLength - 2) && IsTwoCharacterInteger(text, 2);
}

bool TimeInForm(std::string_view cell) {
    const std::u32string text = CellCharacters(cell);
    return text.size() == kTimeLength && IsTwoCharacterInteger(text, 0) &&
           IsTwoCharacterInteger(text, kTimeLength - 2);
}

bool SkippedByImportCheck(const ListSheet& sheet, int row) {
    return sheet.shown.Cell(col::kNumber, row).empty() ||
           sheet.shown.Cell(col::kAlways, row) == kYes ||
           sheet.shown.Cell(col::kDelete, row) == kYes;
}

class SilentStatus : public IStatusSink {
public:
    void ShowStatus(const std::string&) override {}
};

TableGrid CopyOf(const IGrid& grid) {
    TableGrid copy(kColumnCount, kRowCount);
    for (int row = 0; row < kRowCount; ++row)
        for (int c = 0; c < kColumnCount; ++c)
            copy.SetCell(c, row, grid.Cell(c, row));
    return copy;
}

bool PeriodInForm(const ListSheet& sheet, int row) {
    return DateInForm(sheet.values.Cell(col::kStartDate, row)) &&
           TimeInForm(sheet.values.Cell(col::kStartTime, row)) &&
           DateInForm(sheet.values.Cell(col::kEndDate, row)) &&
           TimeInForm(sheet.values.Cell(col::kEndTime, row));
}

} // namespace

bool IsNumberListSheet(const ListSheet& sheet) {
    return sheet.shown.Cell(col::kSerial, 0) == kHeaders[col::kSerial];
}

std::vector<int> WrongImportRows(const ListSheet& sheet) {
    std::vector<int> rows;
    for (int row = 1; row <= kEntryCount; ++row)
        if (!SkippedByImportCheck(sheet, row) && !PeriodInForm(sheet, row))
            rows.push_back(row);
    return rows;
}

std::string WrongRowsMessage(const std::vector<int>& rows) {
    std::vector<std::string> serials;
    for (const int row : rows)
        serials.push_back(std::to_string(row));
    return kWrongRowsText + std::to_string(rows.size()) + "\r" + "Serial: " + SerialList(serials);
}

void ImportNumberList(const ListSheet& sheet, IGrid& grid, IStatusSink& status,
                      const PercentSink& progress) {
    for (int row = 1; row <= kEntryCount; ++row) {
        for (int c = col::kNumber; c <= col::kEndTime; ++c)
            grid.SetCell(c, row, sheet.values.Cell(c, row));
        grid.SetCell(col::kAlways, row, sheet.shown.Cell(col::kAlways, row) == kYes ? kYes : kNo);
        progress(static_cast<std::uint16_t>(row * 100 / kEntryCount));
        status.ShowStatus(kImportStatus);
    }
}

ImportResult CheckedImport(const ListSheet& sheet, IGrid& grid, IStatusSink& status,
                           const PercentSink& progress) {
    if (!IsNumberListSheet(sheet))
        return {kWrongListFormat, {}};
    if (const std::vector<int> wrong = WrongImportRows(sheet); !wrong.empty())
        return {WrongRowsMessage(wrong), {}};
    TableGrid scratch = CopyOf(grid);
    SilentStatus silent;
    ImportNumberList(sheet, scratch, silent, [](std::uint16_t) {});
    GridList list = NumberListFromGrid(scratch);
    if (auto refusal = list.Refusal())
        return {std::move(refusal), {}};
    ImportNumberList(sheet, grid, status, progress);
    return {std::nullopt, std::move(list.entries)};
}

std::vector<std::string> NumberListCsvLines(const IGrid& grid, IStatusSink& status,
                                            const PercentSink& progress) {
    std::vector<std::string> lines;
    for (int row = 1; row <= kEntryCount; ++row) {
        std::string line;
        for (int c = 0; c < kCsvFields; ++c) {
            if (c > 0)
                line += ',';
            line += CsvField(grid.Cell(c, row));
        }
        lines.push_back(std::move(line));
        // Out of 1001, so the bar never reaches the end and hides itself;
        // the status timer takes it away.
        progress(static_cast<std::uint16_t>(row * 100 / (kEntryCount + 1)));
        status.ShowStatus(kCsvStatus + std::to_string(row - 1) + "/" + std::to_string(kEntryCount));
    }
    return lines;
}

} // namespace gsm::numbers
