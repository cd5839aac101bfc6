#pragma once
// A write to the device that can be undone. The areas it writes are read
// first and kept as an automatic backup, with a record of what the write
// leaves; then only the pages that differ are written. Both sheets' saves
// and the undo of the last save go this way. The backups are the
// command-line tool's, in its folder and format, so either program finds
// and undoes the other's.

#include "backup/AutomaticBackups.h"
#include "changes/WritePlan.h"
#include "protocol/DeviceClient.h"
#include "text/CodePage.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class DeviceReporter;
class StatusDisplay;
class QWidget;

// How the status bar names the backup a write took.
QString BackupStatusText(const QString& path);

struct BackedUpWriteJob {
    // Names the write in its backup: "Save Settings", "Save", "Undo last save".
    QString command = {};
    // What the device is to hold: whole areas.
    gsm::AreaPages wanted = {};
    // Asked once the device has been read, before the backup: false ends the
    // write with nothing sent and nothing more said. Empty: go ahead.
    std::function<bool(const gsm::backup::DeviceNow& device, const gsm::changes::WritePlan& plan)>
        approve = {};
    // The device holds `wanted` now; called before the end is told.
    std::function<void()> written = {};
};

class BackedUpWrite : public QObject {
    Q_OBJECT

public:
    // `portName` is the port the device is on, as the backups name it.
    BackedUpWrite(QWidget* window, gsm::DeviceClient& client, DeviceReporter& reporter,
                  StatusDisplay& status, std::function<QString()> portName,
                  const gsm::CodePage& codePage, QObject* parent = nullptr);

    // Runs to its end on its own; the end is told as a save's is.
    void Start(BackedUpWriteJob job);

private:
    struct Run;
    using RunPtr = std::shared_ptr<Run>;

    void ReadSimNumber(const RunPtr& run);
    void ReadNextArea(const RunPtr& run);
    void Planned(const RunPtr& run);
    void WriteNextArea(const RunPtr& run);
    bool SaveBackup(Run& run);
    void ReadFailed(const gsm::OperationResult& result);
    void Ended(const Run& run, const gsm::OperationResult& result);

    QWidget* m_window;
    gsm::DeviceClient& m_client;
    DeviceReporter& m_reporter;
    StatusDisplay& m_status;
    std::function<QString()> m_portName;
    const gsm::CodePage& m_codePage;
};
