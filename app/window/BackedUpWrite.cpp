#include "BackedUpWrite.h"

#include "DeviceReporter.h"
#include "MessageBoxes.h"
#include "app/widgets/StatusDisplay.h"
#include "l10n/Composed.h"
#include "messages/OperationTexts.h"
#include "serial/PortList.h"
#include "settings/SettingsPages.h"

#include <QDateTime>
#include <QDir>

#include <optional>
#include <vector>

using gsm::Area;
using gsm::OperationKind;
using gsm::OperationResult;
namespace backup = gsm::backup;

namespace {

quint16 Share(int done, int count) {
    return static_cast<quint16>(done * 100 / count);
}

} // namespace

QString BackupStatusText(const QString& path) {
    //: Status bar text after a save took its automatic backup; %1 is the file's path
    return BackedUpWrite::tr("Backup: %1").arg(QDir::toNativeSeparators(path));
}

struct BackedUpWrite::Run {
    BackedUpWriteJob job;
    QString port;
    // The areas to read, in the order of `wanted`.
    std::vector<Area> reads;
    std::size_t nextRead = 0;
    // What the device holds of those areas before the write.
    gsm::AreaPages device;
    // Settings page 1, read for the SIM number when the settings are not written.
    std::optional<gsm::Page> firstSettingsPage;
    backup::DeviceNow now;
    gsm::changes::WritePlan plan;
    std::size_t nextWrite = 0;
    // Pages of the area being written that went out, and that were answered.
    int sent = 0;
    int answered = 0;
    QString backupPath;
};

BackedUpWrite::BackedUpWrite(QWidget* window, gsm::DeviceClient& client, DeviceReporter& reporter,
                             StatusDisplay& status, std::function<QString()> portName,
                             const gsm::CodePage& codePage, QObject* parent)
    : QObject(parent), m_window(window), m_client(client), m_reporter(reporter), m_status(status),
      m_portName(std::move(portName)), m_codePage(codePage) {}

void BackedUpWrite::Start(BackedUpWriteJob job) {
    auto run = std::make_shared<Run>();
    run->job = std::move(job);
    run->port = m_portName();
    for (const auto& entry : run->job.wanted)
        run->reads.push_back(entry.first);
    // The backup names the device by its SIM number, which settings page 1 holds.
    if (run->job.wanted.count(Area::Settings))
        ReadNextArea(run);
    else
        ReadSimNumber(run);
}

void BackedUpWrite::ReadSimNumber(const RunPtr& run) {
    m_client.ReadPages(Area::Settings, {1},
                       {.read =
                            [this, run](int page, const gsm::Page& bytes) {
                                run->firstSettingsPage = bytes;
                                // Not the settings sheet's read: an earlier stop of that stays
                                // told.
                                m_reporter.ShowStatus(
                                    gsm::PageReplyText(OperationKind::Read, Area::Settings, page));
                            }},
                       [this, run](const OperationResult& result) {
                           if (!result.Ok())
                               return ReadFailed(result);
                           ReadNextArea(run);
                       });
}

void BackedUpWrite::ReadNextArea(const RunPtr& run) {
    if (run->nextRead == run->reads.size())
        return Planned(run);
    const Area area = run->reads[run->nextRead++];
    m_client.ReadArea(area,
                      {.read =
                           [this, run, area](int page, const gsm::Page& bytes) {
                               run->device[area].push_back(bytes);
                               m_reporter.PageAnswered(OperationKind::Read, area, page);
                           }},
                      [this, run](const OperationResult& result) {
                          if (!result.Ok())
                              return ReadFailed(result);
                          ReadNextArea(run);
                      });
}

void BackedUpWrite::Planned(const RunPtr& run) {
    const auto settings = run->device.find(Area::Settings);
    const gsm::Page& firstPage =
        settings != run->device.end() ? settings->second.front() : *run->firstSettingsPage;
    run->now = {run->device,
                QString::fromStdString(gsm::settings::SimNumberOf(firstPage, m_codePage)),
                PortList::UsbSerialNumber(run->port)};
    run->plan = gsm::changes::PlanWrite(run->device, run->job.wanted, m_codePage);
    if (run->job.approve && !run->job.approve(run->now, run->plan))
        return;
    if (run->plan.writes.empty()) {
        // The device holds it all already: nothing is sent and nothing backed up.
        if (run->job.written)
            run->job.written();
        OperationResult done;
        done.kind = OperationKind::Write;
        done.area = run->job.wanted.rbegin()->first;
        return Ended(*run, done);
    }
    if (!SaveBackup(*run))
        return;
    WriteNextArea(run);
}

void BackedUpWrite::WriteNextArea(const RunPtr& run) {
    const gsm::changes::AreaWrite& write = run->plan.writes[run->nextWrite];
    const Area area = write.area;
    const int count = static_cast<int>(write.pages.size());
    run->sent = 0;
    run->answered = 0;
    m_client.WriteArea(area, write.pages,
                       {.sending =
                            [this, run, area, count](int) {
                                // The settings' two pages count as they go out, the list's as
                                // they are answered, as a save of every page always did.
                                ++run->sent;
                                if (area == Area::Settings)
                                    m_reporter.SetProgress(Share(run->sent, count));
                            },
                        .written =
                            [this, run, area, count](int page, bool) {
                                ++run->answered;
                                m_reporter.ShowStatus(
                                    gsm::PageReplyText(OperationKind::Write, area, page));
                                if (area != Area::Settings)
                                    m_reporter.SetProgress(Share(run->answered, count));
                            }},
                       [this, run](const OperationResult& result) {
                           if (result.Ok() && ++run->nextWrite < run->plan.writes.size())
                               return WriteNextArea(run);
                           if (result.Ok() && run->job.written)
                               run->job.written();
                           Ended(*run, result);
                       });
}

bool BackedUpWrite::SaveBackup(Run& run) {
    backup::Backup saved;
    saved.created = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    saved.program = QStringLiteral("gsmgate " GSM_VERSION);
    saved.port = run.port;
    saved.simNumber = run.now.simNumber;
    saved.areas = run.device;
    backup::WriteRecord write;
    write.command = run.job.command;
    write.usbSerial = run.now.usbSerial;
    const auto settings = run.job.wanted.find(Area::Settings);
    write.simNumber = settings == run.job.wanted.end()
                          ? run.now.simNumber
                          : QString::fromStdString(
                                gsm::settings::SimNumberOf(settings->second.front(), m_codePage));
    for (const auto& [area, pages] : run.job.wanted)
        write.left.emplace(area, backup::PageDigests(pages));
    saved.write = std::move(write);

    QString failure;
    run.backupPath = backup::SaveAutomaticBackup(saved, backup::DefaultBackupFolder(),
                                                 run.job.command, &failure);
    if (run.backupPath.isEmpty()) {
        ShowMessage(m_window, tr("Nothing was written: cannot save the backup: %1")
                                  .arg(gsm::l10n::ShownComposed(failure)));
        return false;
    }
    return true;
}

void BackedUpWrite::ReadFailed(const OperationResult& result) {
    OperationResult told = result;
    // The read filled no grid: nothing is left half-read to tell of.
    told.pagesDone.clear();
    m_reporter.Ended(told);
}

void BackedUpWrite::Ended(const Run& run, const OperationResult& result) {
    m_reporter.Ended(result);
    // After the message: the status bar then names where the device's old
    // pages are kept, whether the write went through or not.
    if (!run.backupPath.isEmpty())
        m_status.ShowStatus(BackupStatusText(run.backupPath));
}
