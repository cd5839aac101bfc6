#pragma once
// The history as comma-separated lines: one line per row that holds a record,
// the grid's columns 0 to 9 (the last two always empty, so every line ends
// with two commas), no header line.

#include "protocol/Grid.h"
#include "protocol/Link.h"
#include "protocol/Translatable.h"
#include "text/Csv.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gsm::history {

namespace status {
inline constexpr const char* kExportCsv = QT_TRANSLATE_NOOP("StatusTexts", "Export.csv:");
}

inline constexpr const char* kCsvFilePrefix = "hisinf_CSV";
inline constexpr const char* kXlsFilePrefix = "hisinf_R";
inline constexpr int kCsvColumns = 10;

using gsm::CsvField;

using ProgressSink = std::function<void(std::uint16_t percent)>;

// One line per record row, in row order, without line ends. Reports the
// progress and the status text after each line.
std::vector<std::string> HistoryCsvLines(const IGrid& grid, IStatusSink& status,
                                         const ProgressSink& progress);

} // namespace gsm::history
