#include "HistoryFile.h"

#include "text/Csv.h"

namespace gsm::files {

QByteArray HistoryCsv(const IGrid& grid, IStatusSink& status,
                      const history::ProgressSink& progress) {
    return QByteArray::fromStdString(
        JoinCsvLines(history::HistoryCsvLines(grid, status, progress)));
}

} // namespace gsm::files
