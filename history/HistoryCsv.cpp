#include "HistoryCsv.h"

#include "Csv.h"

#include "HistoryGrid.h"

namespace gsm::history {

namespace {

std::string CsvLine(const IGrid& grid, int row) {
    std::string line;
    for (int c = 0; c < kCsvColumns; ++c) {
        if (c > 0)
            line.push_back(',');
        if (c < grid.ColCount())
            line += CsvField(grid.Cell(c, row));
    }
    return line;
}

} // namespace

std::vector<std::string> HistoryCsvLines(const IGrid& grid, IStatusSink& status,
                                         const ProgressSink& progress) {
    std::vector<std::string> lines;
    for (int r = 1; r <= kRecordRows; ++r) {
        if (grid.Cell(col::kNo, r).empty())
            continue;
        lines.push_back(CsvLine(grid, r));
        // Out of 1001, so the bar never reaches 100 and stays until the status clears.
        progress(static_cast<std::uint16_t>(r * 100 / kGridRows));
        status.ShowStatus(status::kExportCsv + std::to_string(r - 1) + "/" +
                          std::to_string(kRecordRows));
    }
    return lines;
}

std::string JoinCsvLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string TimestampedName(std::string_view prefix, const std::tm& localTime) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &localTime);
    return std::string(prefix) + stamp;
}

} // namespace gsm::history
