#pragma once
// History files: the grid as a workbook ("Export.XLS", every cell text) and
// as comma-separated lines, one per row that holds a record ("Export.CSV").

#include "history/HistoryCsv.h"
#include "protocol/Grid.h"
#include "protocol/Link.h"

#include <QByteArray>

namespace gsm::files {

// Status and progress after each line.
QByteArray HistoryCsv(const IGrid& grid, IStatusSink& status,
                      const history::ProgressSink& progress);

} // namespace gsm::files
