#pragma once
// One device on one serial port, driven by the same receive path, request
// book and command objects as the window: log in, read and write whole areas
// page by page, send a single command. Everything runs on the event loop;
// each call ends in its `done` callback or in the session's failure handler,
// never both, and after a failure nothing more is sent.

#include "Commands.h"
#include "DevicePages.h"
#include "Frame.h"
#include "Link.h"
#include "Login.h"
#include "ReceiveCountdown.h"
#include "Receiver.h"
#include "TComm.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace gsm::cli {

class DeviceSession : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void()>;
    using PagesDone = std::function<void(Pages)>;
    using Failed = std::function<void(const QString& why)>;
    // After each page handled: pages done of the whole area.
    using PageProgress = std::function<void(int done, int total)>;

    explicit DeviceSession(QString port, QObject* parent = nullptr);
    ~DeviceSession() override;

    QString Port() const { return m_port; }
    void SetFailureHandler(Failed failed) { m_failed = std::move(failed); }
    void SetPageProgress(PageProgress progress) { m_progress = std::move(progress); }

    // Opens the port at the device's 115200 baud; false with the reason.
    bool Open(QString* failure);
    // Reads settings page 1 and compares its password, as the window's login does.
    void LogIn(const std::string& password, Done done);
    // Settings page 1 as the login read it.
    const Page& FirstSettingsPage() const { return m_firstSettingsPage; }

    void ReadArea(Area area, PagesDone done);
    // Writes pages 1 to pages.size() of `area`, each after the device
    // acknowledged the one before.
    void WriteArea(Area area, Pages pages, Done done);
    // A single command answered with a status byte: delete history, check mode.
    void SendCommand(std::uint8_t command, Done done);
    void SyncClock(Done done);

    // Ends whatever is under way without telling the failure handler; a
    // reply still on its way is dropped as late. Nothing more is sent.
    void Abort();

    // Pages the device acknowledged in the last write, in order.
    const std::vector<int>& Acknowledged() const { return m_acknowledged; }
    // The page whose write was sent but not acknowledged when the last write failed.
    std::optional<int> Unanswered() const { return m_unanswered; }

private:
    class PortWriter;
    class NoStatus;
    enum class Job { None, Login, Read, Write, Command };

    Tsend_rec_command& Transfer(Area area);
    void AttachHandlers();
    PageRequest ReadRequest(Area area);
    PageRequest WriteRequest(Area area);
    TransferDone ReadDone();
    TransferDone WriteDone();
    void PageRead(Area area);
    void PageWritten(Area area);
    void Reply(const std::string& text);
    void Fail(const QString& why);
    // Runs `next` from the event loop, after the receive path has finished
    // with the frame that ended the job.
    void Finish(std::function<void()> next);

    QString m_port;
    TComm m_comm;
    QTimer m_timer;
    std::unique_ptr<PortWriter> m_writer;
    std::unique_ptr<ReceiveCountdown> m_receiveTimer;
    std::unique_ptr<NoStatus> m_status;
    DeviceLink m_link;
    TRecData m_rec;
    TRecValidCom m_valid;
    TBasicInf m_basic;
    TtelephoneSend m_numbers;
    THistoryInf m_history;
    Tpasswordverify m_login;
    OperationGate m_gate;
    ReceivePath m_path;
    std::unique_ptr<Tsingalcmd> m_command;

    Failed m_failed;
    PageProgress m_progress;
    Job m_job = Job::None;
    Area m_area = Area::Settings;
    std::string m_password;
    Page m_firstSettingsPage{};
    Pages m_pages;
    Done m_done;
    PagesDone m_pagesDone;
    std::vector<int> m_acknowledged;
    std::optional<int> m_unanswered;
    bool m_failedOnce = false;
};

} // namespace gsm::cli
