#include "DeviceJob.h"

#include "DeviceFiles.h"
#include "backup/BackupFile.h"
#include "config/ConfigPages.h"
#include "files/FileWrite.h"
#include "files/PrivateFolder.h"
#include "l10n/Composed.h"
#include "protocol/LocalTime.h"
#include "serial/PortList.h"
#include "text/CodePage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace gsm::cli {

namespace {

QString ProgramVersion() {
    return QStringLiteral("gsmgate-cli ") + QCoreApplication::applicationVersion();
}

// What the DeviceJob's words in the table come from: the device's own
// messages, then the job's, then the messages composed with values.
QString Translated(const QString& text) {
    const QByteArray source = text.toUtf8();
    const QString device = QCoreApplication::translate("DeviceTexts", source.constData());
    if (device != text)
        return device;
    const QString job = QCoreApplication::translate("DeviceJob", source.constData());
    return job != text ? job : l10n::ShownComposed(text);
}

QString AreaText(Area area) {
    return QString::fromLatin1(AreaName(area));
}

// The area's name as the progress shows it, in the user's language.
QString ShownArea(Area area) {
    //: The device's areas as progress names them: "reading settings"
    switch (area) {
    case Area::Settings:
        return QCoreApplication::translate("DeviceJob", "settings");
    case Area::Numbers:
        return QCoreApplication::translate("DeviceJob", "numbers");
    case Area::History:
        return QCoreApplication::translate("DeviceJob", "history");
    }
    return AreaText(area);
}

QString Ranges(const std::vector<int>& pages) {
    return QString::fromStdString(backup::PageRanges(pages));
}

} // namespace

DeviceJob::DeviceJob(QString port, const JobPlan& plan, QString output, JobReporter& reporter,
                     QObject* parent)
    : QObject(parent), m_port(std::move(port)), m_plan(plan), m_output(std::move(output)),
      m_reporter(reporter), m_session(m_port, this) {
    m_result.port = m_port;
    m_result.operation = plan.command;
    m_session.SetFailureHandler([this](const QString& why) { Failed(why); });
    m_session.SetPageProgress(
        [this](int done, int total) { m_reporter.Progress(m_port, done, total); });
    if (plan.trace) {
        m_trace = std::make_unique<PortTrace>(*plan.trace, [port = m_port] { return port; });
        m_session.SetTrace(m_trace.get());
    }
}

void DeviceJob::Start() {
    m_clock.start();
    m_wanted = m_plan.writes;
    if (m_plan.operation == Operation::Undo && !FindUndoBackup())
        return;
    m_reporter.Phase(m_port, QCoreApplication::translate("DeviceJob", "opening"));
    QString failure;
    if (!m_session.Open(&failure)) {
        Failed(failure);
        return;
    }
    m_reporter.Phase(m_port, QCoreApplication::translate("DeviceJob", "logging in"));
    m_session.LogIn(m_plan.password, [this] {
        m_result.simNumber = SimNumberOf(m_session.FirstSettingsPage());
        PlanSteps();
        Next();
    });
}

void DeviceJob::Interrupt(const QString& why) {
    if (m_done || !m_interrupted.isEmpty())
        return;
    m_interrupted = why;
    // A page in flight is answered before the job stops: the device is left
    // with whole pages, each one acknowledged or never sent.
    if (m_session.Busy())
        m_session.StopAfterRequestInFlight(why);
    else
        Failed(why);
}

void DeviceJob::Next() {
    if (m_done)
        return;
    if (!m_interrupted.isEmpty()) {
        Failed(m_interrupted);
        return;
    }
    if (m_steps.empty()) {
        Succeed(m_result.message.isEmpty() ? QStringLiteral("ok") : m_result.message);
        return;
    }
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    step();
}

void DeviceJob::PlanSteps() {
    switch (m_plan.operation) {
    case Operation::Ports:
        return;
    case Operation::Backup:
    case Operation::SettingsGet:
    case Operation::NumbersGet:
    case Operation::HistoryGet:
    case Operation::ConfigGet:
        PlanReads();
        return;
    case Operation::Diff:
    case Operation::ConfigDiff:
    case Operation::ConfigApply:
    case Operation::Restore:
    case Operation::SettingsSet:
    case Operation::NumbersSet:
    case Operation::Undo:
        PlanComparedWrite();
        return;
    case Operation::HistoryDelete:
    case Operation::ClockSync:
        PlanSafetyBackup();
        PlanCommand();
        return;
    }
}

void DeviceJob::Read(Area area, std::function<void(Pages)> use) {
    //: Progress; %1 is the area read: settings, numbers or history
    m_reporter.Phase(m_port,
                     QCoreApplication::translate("DeviceJob", "reading %1").arg(ShownArea(area)));
    m_session.ReadArea(area, [this, use = std::move(use)](Pages pages) {
        m_result.pages += static_cast<int>(pages.size());
        use(std::move(pages));
    });
}

void DeviceJob::PlanReads() {
    for (const Area area : m_plan.reads)
        Then([this, area] {
            Read(area, [this, area](Pages pages) {
                m_read[area] = std::move(pages);
                Next();
            });
        });
    Then([this] {
        QString failure;
        bool written = false;
        switch (m_plan.operation) {
        case Operation::Backup:
            written = SaveBackup(m_read, m_output);
            failure = m_result.message;
            break;
        case Operation::SettingsGet:
            written = WriteSettingsProfile(m_read[Area::Settings], m_output, &failure);
            break;
        case Operation::NumbersGet:
            written = WriteNumberList(m_read[Area::Numbers], m_output, &failure);
            break;
        case Operation::HistoryGet:
            written = WriteHistory(m_read[Area::History], m_output, &failure);
            break;
        case Operation::ConfigGet:
            written = WriteConfiguration(m_read, m_output, &failure);
            break;
        default:
            break;
        }
        if (!written) {
            Failed(QStringLiteral("cannot write %1: %2").arg(m_output, failure),
                   QCoreApplication::translate("DeviceJob", "cannot write %1: %2")
                       .arg(m_output, l10n::ShownComposed(failure)));
            return;
        }
        m_result.message = IsStdout(m_output) ? QStringLiteral("written to stdout")
                                              : QStringLiteral("written to %1").arg(m_output);
        m_result.shown =
            IsStdout(m_output)
                ? QCoreApplication::translate("DeviceJob", "written to stdout")
                : QCoreApplication::translate("DeviceJob", "written to %1").arg(m_output);
        Next();
    });
}

// The history a deletion ends, read and kept before the command is sent.
void DeviceJob::PlanSafetyBackup() {
    if (!m_plan.backup || m_plan.operation != Operation::HistoryDelete)
        return;
    Then([this] {
        Read(Area::History, [this](Pages pages) {
            m_read[Area::History] = std::move(pages);
            Next();
        });
    });
    Then([this] {
        const QString path = SaveAutomaticBackup();
        if (path.isEmpty())
            return;
        m_result.backup = path;
        Next();
    });
}

void DeviceJob::PlanComparedWrite() {
    // Writing every page without a backup needs nothing read first.
    const bool blind = m_plan.allPages && !m_plan.backup && !m_plan.check &&
                       !OnlyCompares(m_plan.operation) && m_plan.operation != Operation::Undo &&
                       !m_plan.configuration;
    if (blind) {
        for (const auto& [area, pages] : m_wanted)
            m_writePlan.writes.push_back({area, NumberedPages(pages)});
        for (const changes::AreaWrite& write : m_writePlan.writes)
            PlanWrite(write.area, write.pages);
        return;
    }
    for (const auto& entry : m_wanted)
        Then([this, area = entry.first] {
            Read(area, [this, area](Pages pages) {
                m_read[area] = std::move(pages);
                Next();
            });
        });
    Then([this] { WriteWhatDiffers(); });
}

void DeviceJob::WriteWhatDiffers() {
    if (m_plan.operation == Operation::Undo && !m_plan.force)
        if (const QString refusal = UndoRefusal(); !refusal.isEmpty()) {
            Failed(refusal);
            return;
        }
    if (m_plan.configuration) {
        config::WantedPages wanted =
            config::PagesToWrite(*m_plan.configuration, m_read, SystemCodePageInstance());
        if (!wanted.pages) {
            const QString why = QString::fromStdString(wanted.error);
            Failed(QStringLiteral("nothing sent: %1").arg(why),
                   QCoreApplication::translate("DeviceJob", "nothing sent: %1")
                       .arg(l10n::ShownComposed(why)));
            return;
        }
        m_wanted = std::move(*wanted.pages);
    }
    m_writePlan = changes::PlanWrite(m_read, m_wanted, SystemCodePageInstance(), m_plan.allPages);
    m_result.planned = true;
    m_result.changed = m_writePlan.Changed();
    m_result.changes = m_writePlan.changes;
    const QString unchanged = QStringLiteral("unchanged");
    const QString changed = QStringLiteral("%1 pages differ").arg(m_writePlan.pagesDiffering);
    if (OnlyCompares(m_plan.operation) || m_plan.check) {
        m_result.message = m_result.changed ? changed : unchanged;
        m_result.shown = m_result.changed
                             ? QCoreApplication::translate("DeviceJob", "%1 pages differ")
                                   .arg(m_writePlan.pagesDiffering)
                             : QCoreApplication::translate("DeviceJob", "unchanged");
        Next();
        return;
    }
    if (m_writePlan.writes.empty()) {
        m_result.message = unchanged;
        m_result.shown = QCoreApplication::translate("DeviceJob", "unchanged");
        Next();
        return;
    }
    if (m_plan.backup)
        Then([this] {
            const QString path = SaveAutomaticBackup();
            if (path.isEmpty())
                return;
            m_result.backup = path;
            m_reporter.Note(m_port,
                            QCoreApplication::translate("DeviceJob", "backup: %1").arg(path));
            Next();
        });
    for (const changes::AreaWrite& write : m_writePlan.writes)
        PlanWrite(write.area, write.pages);
    Next();
}

void DeviceJob::PlanWrite(Area area, const std::vector<PageWrite>& pages) {
    Then([this, area, &pages] {
        m_writing = area;
        m_reporter.Phase(
            m_port, QCoreApplication::translate("DeviceJob", "writing %1").arg(ShownArea(area)));
        m_session.WriteArea(area, pages, [this, area, &pages] {
            m_writing.reset();
            m_result.pages += static_cast<int>(pages.size());
            // The table names the SIM number the device holds now.
            if (area == Area::Settings)
                m_result.simNumber = SimNumberOf(m_wanted.at(Area::Settings).front());
            Next();
        });
    });
    if (!m_plan.verify)
        return;
    Then([this, area, &pages] {
        m_reporter.Phase(
            m_port, QCoreApplication::translate("DeviceJob", "verifying %1").arg(ShownArea(area)));
        std::vector<int> numbers;
        for (const PageWrite& write : pages)
            numbers.push_back(write.page);
        m_session.ReadPages(area, numbers, [this, area, &pages](Pages back) {
            m_result.pages += static_cast<int>(back.size());
            std::vector<int> differing;
            for (std::size_t i = 0; i < pages.size(); ++i)
                if (i >= back.size() || back[i] != pages[i].bytes)
                    differing.push_back(pages[i].page);
            if (!differing.empty()) {
                Failed(QStringLiteral("verify: %1 pages %2 differ from what was written")
                           .arg(AreaText(area), Ranges(differing)),
                       QCoreApplication::translate(
                           "DeviceJob", "verify: %1 pages %2 differ from what was written")
                           .arg(ShownArea(area), Ranges(differing)));
                return;
            }
            Next();
        });
    });
}

bool DeviceJob::FindUndoBackup() {
    m_undo = backup::NewestAutomaticBackup(m_plan.backupDir, m_port);
    if (!m_undo) {
        Failed(QStringLiteral("nothing to undo: no automatic backup of %1 in %2")
                   .arg(m_port, QDir(m_plan.backupDir).absolutePath()),
               QCoreApplication::translate("DeviceJob",
                                           "nothing to undo: no automatic backup of %1 in %2")
                   .arg(m_port, QDir(m_plan.backupDir).absolutePath()));
        return false;
    }
    AreasOrError restorable = RestorableAreas(m_undo->backup);
    if (!restorable.areas) {
        Failed(QStringLiteral("%1 refused, nothing sent: %2").arg(m_undo->path, restorable.error),
               QCoreApplication::translate("DeviceJob", "%1 refused, nothing sent: %2")
                   .arg(m_undo->path, l10n::ShownComposed(restorable.error)));
        return false;
    }
    m_wanted = std::move(*restorable.areas);
    m_reporter.Note(m_port,
                    QCoreApplication::translate("DeviceJob", "undoing: %1").arg(m_undo->path));
    return true;
}

QString DeviceJob::UndoRefusal() const {
    const backup::DeviceNow now{m_read, m_result.simNumber, PortList::UsbSerialNumber(m_port)};
    const QString refusal = backup::UndoRefusal(m_undo->backup, now);
    if (refusal.isEmpty())
        return {};
    return QStringLiteral("not undone, nothing sent: %1 (%2 \"%3\"); --force puts that backup "
                          "back anyway")
        .arg(refusal, m_undo->path, m_undo->backup.write->command);
}

backup::WriteRecord DeviceJob::WhatTheWriteLeaves() const {
    backup::WriteRecord write;
    write.command = m_plan.command;
    write.usbSerial = PortList::UsbSerialNumber(m_port);
    const auto settings = m_wanted.find(Area::Settings);
    write.simNumber =
        settings != m_wanted.end() ? SimNumberOf(settings->second.front()) : m_result.simNumber;
    for (const auto& [area, pages] : m_wanted)
        write.left.emplace(area, backup::PageDigests(pages));
    return write;
}

void DeviceJob::PlanCommand() {
    Then([this] {
        if (m_plan.operation == Operation::ClockSync) {
            m_reporter.Phase(m_port, QCoreApplication::translate("DeviceJob", "setting the clock"));
            m_session.SendCommand(SingleCommand::SetClock(LocalNow()), [this] { Next(); });
        } else {
            m_reporter.Phase(m_port,
                             QCoreApplication::translate("DeviceJob", "deleting the history"));
            m_session.SendCommand(SingleCommand::DeleteHistory(), [this] { Next(); });
        }
    });
}

backup::Backup DeviceJob::BackupOf(const AreaPages& areas) const {
    backup::Backup saved;
    saved.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    saved.program = ProgramVersion();
    saved.port = m_port;
    saved.simNumber = m_result.simNumber;
    saved.areas = areas;
    return saved;
}

bool DeviceJob::SaveBackup(const AreaPages& areas, const QString& path) {
    const backup::Backup saved = BackupOf(areas);
    QString failure;
    if (IsStdout(path)) {
        if (WriteOutput(path, backup::WriteBackup(saved), &failure))
            return true;
        m_result.message = failure;
        return false;
    }
    // A backup holds the device password: its folders are the owner's alone,
    // and it never takes the place of another file.
    if (!files::MakePrivateFolder(QFileInfo(path).absolutePath(), &failure) ||
        !files::WriteWholeFile(path, backup::WriteBackup(saved), &failure, files::Existing::Keep)) {
        m_result.message = failure;
        return false;
    }
    return true;
}

// The pages a write will change, kept before the first byte is written; on
// failure the job has failed and nothing is sent.
QString DeviceJob::SaveAutomaticBackup() {
    backup::Backup saved = BackupOf(m_read);
    if (m_plan.operation != Operation::HistoryDelete)
        saved.write = WhatTheWriteLeaves();
    QString failure;
    const QString path =
        backup::SaveAutomaticBackup(saved, m_plan.backupDir, m_plan.command, &failure);
    if (path.isEmpty())
        Failed(
            QStringLiteral("nothing written: cannot save the backup: %1").arg(failure),
            QCoreApplication::translate("DeviceJob", "nothing written: cannot save the backup: %1")
                .arg(l10n::ShownComposed(failure)));
    return path;
}

void DeviceJob::Failed(const QString& why, const QString& shown) {
    if (m_done)
        return;
    QString text = why;
    if (m_writing) {
        const QString area = AreaText(*m_writing);
        const std::optional<int> unanswered = m_session.Unanswered();
        const std::vector<int>& acknowledged = m_session.Acknowledged();
        const QString page =
            QStringLiteral("page %1 of %2").arg(unanswered.value_or(0)).arg(PageCount(*m_writing));
        // A stop lets the page in flight finish: the page named was never sent.
        text = m_session.Stopped() ? QStringLiteral("%1: %2 before %3. ").arg(area, why, page)
                                   : QStringLiteral("%1 %2: %3. ").arg(area, page, why);
        text += acknowledged.empty()
                    ? QStringLiteral("Acknowledged: no %1 page").arg(area)
                    : QStringLiteral("Acknowledged: %1 pages %2").arg(area, Ranges(acknowledged));
        const std::vector<changes::AreaWrite>& writes = m_writePlan.writes;
        if (writes.size() > 1 && *m_writing != writes.front().area) {
            std::vector<int> earlier;
            for (const PageWrite& write : writes.front().pages)
                earlier.push_back(write.page);
            text += QStringLiteral(" (and %1 pages %2 before it)")
                        .arg(AreaText(writes.front().area), Ranges(earlier));
        }
        text += QStringLiteral(". Nothing was sent after the failure. ");
        if (!m_result.backup.isEmpty())
            text += QStringLiteral("To put the device back: gsmgate-cli restore %1 --port %2. ")
                        .arg(m_result.backup, m_port);
        else
            text += QStringLiteral("No backup was taken (--no-backup). ");
        text += QStringLiteral("Running the same command again completes the write: %1")
                    .arg(m_plan.rerun);
    } else if (!m_result.backup.isEmpty() && m_plan.operation != Operation::HistoryDelete) {
        text += QStringLiteral(". The backup taken before the write: %1").arg(m_result.backup);
    }
    m_result.ok = false;
    m_result.message = text;
    // Only a text of its own is shown translated; a longer story stays English.
    m_result.shown = text == why ? shown : QString();
    End();
}

QString ShownMessage(const JobResult& result) {
    return result.shown.isEmpty() ? Translated(result.message) : result.shown;
}

void DeviceJob::Succeed(const QString& message) {
    m_result.ok = true;
    m_result.message = message;
    End();
}

void DeviceJob::End() {
    m_done = true;
    m_steps.clear();
    m_result.ms = m_clock.isValid() ? m_clock.elapsed() : 0;
    m_reporter.Finished(m_result);
}

} // namespace gsm::cli
