#pragma once
// The end of a run: a table with one row per device (port, SIM number,
// operation, pages, time, result) and, on request, the same as JSON.

#include "DeviceJob.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace gsm::cli {

QString SummaryTable(const std::vector<JobResult>& results);
QByteArray SummaryJson(const std::vector<JobResult>& results, int exitCode);
// 0 when every device succeeded, else 1.
int ExitCodeOf(const std::vector<JobResult>& results);

} // namespace gsm::cli
