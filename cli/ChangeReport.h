#pragma once
// What `diff` and `--check` print: per device, what the write would change,
// one line per difference in the user's terms, or the same as JSON:
//
//   {"devices": [{"port": "/dev/ttyUSB0", "result": "ok", "changed": true,
//                 "changes": [{"area": "settings", "item": "7.Auto Arm ...",
//                              "from": "10", "to": "30"},
//                             {"area": "numbers", "slot": 5, "change": "added",
//                              "from": null, "to": "+8613800138000, always"}]}]}

#include "DeviceJob.h"

#include <QByteArray>
#include <QJsonArray>
#include <QString>

#include <vector>

namespace gsm::cli {

QString ChangeText(const std::vector<JobResult>& results);
// The changes of one device as the "changes" array of both JSON forms.
QJsonArray ChangesJson(const std::vector<changes::Change>& changes);
QByteArray ChangeJson(const std::vector<JobResult>& results);

} // namespace gsm::cli
