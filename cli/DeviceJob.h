#pragma once
// One subcommand on one device, start to end: open, log in, back up what a
// write will change, write, read back and compare; or read and save a file.
// A failure ends the job at once and says what the device holds now.

#include "CliOptions.h"
#include "DeviceSession.h"
#include "backup/AutomaticBackups.h"
#include "backup/PageText.h"
#include "changes/WritePlan.h"
#include "config/Configuration.h"
#include "protocol/Area.h"
#include "serial/LinkTrace.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <memory>

namespace gsm::cli {

// What every device of one command does; the pages to write were read and
// checked once, before any device was touched.
struct JobPlan {
    Operation operation = Operation::Ports;
    QString command; // "numbers set"
    std::string password;
    AreaPages writes;        // what the file would leave; settings before numbers
    std::vector<Area> reads; // for backup and the get commands
    bool backup = true;      // back up what a write changes first
    bool verify = true;
    bool check = false;         // stop at the plan
    bool allPages = false;      // write every page of each area
    bool force = false;         // undo whatever the device holds now
    QString backupDir;          // where automatic backups go
    QString rerun;              // the command line that completes a failed write
    LinkTrace* trace = nullptr; // the frame trace every device writes into, if any
    // config apply and diff: what `writes` is made of once the device is read.
    std::optional<config::Configuration> configuration;
};

struct JobResult {
    QString port;
    QString simNumber;
    QString operation;
    int pages = 0; // pages read and written
    qint64 ms = 0;
    bool ok = false;
    QString message; // what went wrong, or the file written
    QString backup;  // the automatic backup, when one was taken
    // The device was compared with what the command would write.
    bool planned = false;
    bool changed = false;
    std::vector<changes::Change> changes;
};

class JobReporter {
public:
    virtual ~JobReporter() = default;
    virtual void Phase(const QString& port, const QString& phase) = 0;
    virtual void Progress(const QString& port, int done, int total) = 0;
    virtual void Note(const QString& port, const QString& text) = 0;
    virtual void Finished(const JobResult& result) = 0;
};

class DeviceJob : public QObject {
    Q_OBJECT
public:
    // `output` is where a get or a backup writes its file for this device.
    DeviceJob(QString port, const JobPlan& plan, QString output, JobReporter& reporter,
              QObject* parent = nullptr);

    void Start();
    // Lets the request in flight be answered (or time out), sends nothing
    // after it and reports like any failed write.
    void Interrupt(const QString& why);
    const JobResult& Result() const { return m_result; }
    bool Done() const { return m_done; }

private:
    using Step = std::function<void()>;

    void Then(Step step) { m_steps.push_back(std::move(step)); }
    void Next();
    void PlanSteps();
    void PlanReads();
    void PlanSafetyBackup();
    // Reads what the command would write over, then plans and writes the
    // pages that differ.
    void PlanComparedWrite();
    void WriteWhatDiffers();
    void PlanWrite(Area area, const std::vector<PageWrite>& pages);
    // The backup the undo puts back; false when there is none.
    bool FindUndoBackup();
    QString UndoRefusal() const;
    backup::WriteRecord WhatTheWriteLeaves() const;
    void PlanCommand();
    void Read(Area area, std::function<void(Pages)> use);
    // The areas as a backup of this device, taken now.
    backup::Backup BackupOf(const AreaPages& areas) const;
    bool SaveBackup(const AreaPages& areas, const QString& path);
    // Saves the automatic backup under a name no file has; empty on failure.
    QString SaveAutomaticBackup();
    void Failed(const QString& why);
    void Succeed(const QString& message);
    void End();

    QString m_port;
    const JobPlan& m_plan;
    QString m_output;
    JobReporter& m_reporter;
    DeviceSession m_session;
    std::unique_ptr<PortTrace> m_trace;
    std::deque<Step> m_steps;
    AreaPages m_read;
    // What the device is to hold when the write is done.
    AreaPages m_wanted;
    std::optional<backup::FoundBackup> m_undo;
    changes::WritePlan m_writePlan;
    JobResult m_result;
    QElapsedTimer m_clock;
    // The area being written, for the failure message.
    std::optional<Area> m_writing;
    // Why the job was told to stop; it stops once nothing is in flight.
    QString m_interrupted;
    bool m_done = false;
};

} // namespace gsm::cli
