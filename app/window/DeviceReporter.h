#pragma once
// What the window shows of the device operations: the status text while a
// request waits and when its reply comes, the progress bar, the lock of the
// device-operation buttons, and how an operation ended — a message, a notice
// that a transfer stopped part-way, or the window's handling of a lost link.
// The texts come from the one table of operation texts.

#include "messages/OperationTexts.h"
#include "protocol/DeviceClient.h"
#include "protocol/OperationGate.h"
#include "protocol/Outcome.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;
class ProgressDisplay;
class StatusDisplay;

struct ReporterHooks {
    QWidget* window = nullptr; // parent of the message boxes
    StatusDisplay* status = nullptr;
    ProgressDisplay* progress = nullptr;
    // Empties the status text without touching the status timer.
    std::function<void()> clearStatusText;
    // Whether the port is still open.
    std::function<bool()> portOpen;
    // An open port that took no frame: the window closes it and tells the user.
    std::function<void()> linkBroke;
};

class DeviceReporter : public gsm::ClientObserver {
public:
    DeviceReporter(ReporterHooks hooks, gsm::OperationGate& gate);

    // ClientObserver: the client's requests and the line.
    void RequestSent(const gsm::SentRequest& request) override;
    void ReplyStarted() override;
    void BusyChanged(bool busy) override;

    // The reply to `page` of an area operation has come. The number list and
    // the history count their pages in the status text and the progress bar;
    // the area's first page ends an earlier notice of a stop.
    void PageAnswered(gsm::OperationKind kind, gsm::Area area, int page);

    // The operation has ended: tells the user as the outcome asks.
    void Ended(const gsm::OperationResult& result);

    void SetProgress(quint16 percent);
    // Texts of the device operations' table, shown in the user's language.
    void ShowStatus(const std::string& text);
    void ShowStatus(const gsm::CountedText& text);
    void ShowMessage(const std::string& text, bool titled = false);

    // How the last operation ended; empty before the first.
    const std::optional<gsm::OperationResult>& LastResult() const { return m_last; }

private:
    ReporterHooks m_hooks;
    gsm::OperationGate& m_gate;
    // The area whose part-way stop the status bar tells of.
    std::optional<gsm::Area> m_noticeOf;
    std::optional<gsm::OperationResult> m_last;
};
