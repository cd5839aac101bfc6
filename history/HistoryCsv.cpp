#include "HistoryCsv.h"

#include "text/Csv.h"

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

} // namespace gsm::history
