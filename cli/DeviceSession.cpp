#include "DeviceSession.h"

#include "messages/OperationTexts.h"
#include "protocol/Login.h"
#include "text/CodePage.h"

#include <QMetaObject>

#include <string_view>

namespace gsm::cli {

namespace {
constexpr quint32 kBaudRate = 115200;
// Bytes handed over per receive event: a whole reply at once where the
// window takes them one by one; the client sees the same bytes.
constexpr quint16 kReadBlock = 2048;
} // namespace

DeviceSession::DeviceSession(QString port, QObject* parent)
    : QObject(parent), m_port(std::move(port)), m_device(m_comm, m_timer) {
    m_timer.setSingleShot(true);
    m_comm.SetBaudRate(kBaudRate);
    m_comm.SetInBufferSize(kReadBlock);
    m_comm.SetInputLen(kReadBlock);
    m_device.SetHangUpHandler([this] {
        m_device.Client().LinkLost();
        Fail(QString::fromUtf8(message::kDeviceDisconnected));
    });
}

bool DeviceSession::Open(QString* failure) {
    m_comm.SetCommName(m_port);
    const PortOpening opening = OpenDevicePort(m_comm);
    if (!opening.opened)
        *failure = opening.OneLine();
    return opening.opened;
}

std::optional<int> DeviceSession::Unanswered() const {
    if (m_last.Ok() || m_last.failedPage == 0)
        return std::nullopt;
    return m_last.failedPage;
}

bool DeviceSession::Succeeded(const OperationResult& result) {
    m_last = result;
    if (result.Ok())
        return true;
    if (result.outcome != Outcome::Cancelled)
        Fail(QString::fromStdString(OutcomeMessage(result).text));
    else if (!m_stopWhy.isEmpty())
        Fail(m_stopWhy);
    // Otherwise Abort ended it, and its caller says why.
    return false;
}

void DeviceSession::LogIn(const std::string& password, Done done) {
    m_device.Client().LogIn(
        [this, password, done = std::move(done)](const OperationResult& result, const Page& first) {
            if (!Succeeded(result))
                return;
            const std::string device = DevicePassword(first, [](std::span<const std::uint8_t> b) {
                return SystemCodePageInstance().Decode(
                    std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
            });
            if (!PasswordsMatch(password, device)) {
                Fail(QString::fromLatin1(message::kPasswordError));
                return;
            }
            m_firstSettingsPage = first;
            Finish(done);
        });
}

void DeviceSession::ReadArea(Area area, PagesDone done) {
    std::vector<int> all;
    for (int page = 1; page <= PageCount(area); ++page)
        all.push_back(page);
    ReadPages(area, std::move(all), std::move(done));
}

void DeviceSession::ReadPages(Area area, std::vector<int> numbers, PagesDone done) {
    const int total = static_cast<int>(numbers.size());
    auto pages = std::make_shared<Pages>();
    pages->reserve(numbers.size());
    m_device.Client().ReadPages(
        area, std::move(numbers),
        {.read =
             [this, pages, total](int, const Page& bytes) {
                 pages->push_back(bytes);
                 if (m_progress)
                     m_progress(static_cast<int>(pages->size()), total);
             }},
        [this, pages, done = std::move(done)](const OperationResult& result) {
            if (Succeeded(result))
                Finish([pages, done] { done(std::move(*pages)); });
        });
}

void DeviceSession::WriteArea(Area area, std::vector<PageWrite> pages, Done done) {
    const int total = static_cast<int>(pages.size());
    auto written = std::make_shared<int>(0);
    m_device.Client().WriteArea(area, std::move(pages),
                                {.written =
                                     [this, total, written](int, bool accepted) {
                                         if (accepted && m_progress)
                                             m_progress(++*written, total);
                                     }},
                                [this, done = std::move(done)](const OperationResult& result) {
                                    if (Succeeded(result))
                                        Finish(done);
                                });
}

void DeviceSession::SendCommand(const SingleCommand& command, Done done) {
    m_device.Client().SendCommand(command,
                                  [this, done = std::move(done)](const OperationResult& r) {
                                      if (Succeeded(r))
                                          Finish(done);
                                  });
}

void DeviceSession::SetTrace(ILinkTrace* trace) {
    m_device.Client().Exchange().SetTrace(trace);
}

void DeviceSession::StopAfterRequestInFlight(const QString& why) {
    m_stopWhy = why;
    m_device.Client().StopAfterRequestInFlight();
}

void DeviceSession::Abort() {
    m_failedOnce = true;
    m_timer.stop();
    // Whatever arrives from now on continues nothing.
    m_device.Client().Cancel();
}

void DeviceSession::Fail(const QString& why) {
    if (m_failedOnce)
        return;
    Abort();
    if (m_failed)
        QMetaObject::invokeMethod(
            this, [this, why] { m_failed(why); }, Qt::QueuedConnection);
}

void DeviceSession::Finish(std::function<void()> next) {
    QMetaObject::invokeMethod(this, std::move(next), Qt::QueuedConnection);
}

} // namespace gsm::cli
