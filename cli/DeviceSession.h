#pragma once
// One device on one serial port, through the device client both programs
// share: log in, read whole areas, write pages, send a single command. Each
// call ends in its `done` callback or in the session's failure handler,
// never both, and after a failure nothing more is sent.

#include "protocol/Area.h"
#include "serial/DevicePort.h"
#include "serial/SerialPort.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

namespace gsm::cli {

class DeviceSession : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void()>;
    using PagesDone = std::function<void(Pages)>;
    using Failed = std::function<void(const QString& why)>;
    // After each page handled: pages done of the whole operation.
    using PageProgress = std::function<void(int done, int total)>;

    explicit DeviceSession(QString port, QObject* parent = nullptr);

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
    // The pages named, in that order.
    void ReadPages(Area area, std::vector<int> pages, PagesDone done);
    // Writes the pages in order, each after the device acknowledged the one before.
    void WriteArea(Area area, std::vector<PageWrite> pages, Done done);
    void SendCommand(const SingleCommand& command, Done done);

    // Frames of this device go to `trace` (not owned) as well.
    void SetTrace(ILinkTrace* trace);
    // A request waits for its reply, or an operation runs.
    bool Busy() const { return m_device.Client().Busy(); }
    // Ends the operation under way once the request in flight has been
    // answered or has timed out, and reports `why` to the failure handler;
    // nothing is sent after that request.
    void StopAfterRequestInFlight(const QString& why);
    // The last operation ended by such a stop, before the page Unanswered()
    // names was sent.
    bool Stopped() const { return m_last.outcome == Outcome::Cancelled; }

    // Pages the device acknowledged in the last write, in order.
    const std::vector<int>& Acknowledged() const { return m_last.pagesDone; }
    // The page whose exchange was under way when the last operation failed.
    std::optional<int> Unanswered() const;

private:
    // The result of every operation passes here first.
    bool Succeeded(const OperationResult& result);
    void Fail(const QString& why);
    // Ends whatever is under way without telling the failure handler; a
    // reply still on its way is dropped as late. Nothing more is sent.
    void Abort();
    // Runs `next` from the event loop, after the client has finished with
    // the frame that ended the operation.
    void Finish(std::function<void()> next);

    QString m_port;
    SerialPort m_comm;
    QTimer m_timer;
    DevicePort m_device;
    Failed m_failed;
    PageProgress m_progress;
    Page m_firstSettingsPage{};
    OperationResult m_last;
    QString m_stopWhy;
    bool m_failedOnce = false;
};

} // namespace gsm::cli
