#include "DeviceSession.h"

#include "CodePage.h"

#include <QMetaObject>

#include <algorithm>
#include <string_view>

namespace gsm::cli {

namespace {
constexpr quint32 kBaudRate = 115200;
// Bytes handed over per receive event: a whole reply at once where the
// window takes them one by one; the receive path sees the same bytes.
constexpr quint16 kReadBlock = 2048;
} // namespace

class DeviceSession::PortWriter : public IPortWriter {
public:
    explicit PortWriter(TComm& comm) : m_comm(comm) {}
    bool WriteData(const std::uint8_t* data, std::uint16_t count) override {
        return m_comm.WriteData(reinterpret_cast<const char*>(data), count);
    }
    bool IsOpen() const override { return m_comm.PortOpen(); }

private:
    TComm& m_comm;
};

// The status texts are the window's; the tool reports pages instead.
class DeviceSession::NoStatus : public IStatusSink {
public:
    void ShowStatus(const std::string&) override {}
};

DeviceSession::DeviceSession(QString port, QObject* parent)
    : QObject(parent), m_port(std::move(port)), m_writer(std::make_unique<PortWriter>(m_comm)),
      m_receiveTimer(std::make_unique<ReceiveCountdown>(m_timer, [this] { m_path.Timeout(); })),
      m_status(std::make_unique<NoStatus>()), m_link(*m_writer, *m_receiveTimer, *m_status),
      m_login(Tpasswordverify::Hooks{
          [this] { return m_password; }, [](const std::string&) {},
          [this](bool confirmed) {
              if (m_job != Job::Login)
                  return;
              if (!confirmed) {
                  Fail(QString::fromLatin1(message::kPasswordError));
                  return;
              }
              std::copy_n(m_valid.Data.begin(), m_firstSettingsPage.size(),
                          m_firstSettingsPage.begin());
              Finish(m_done);
          },
          [](std::span<const std::uint8_t> bytes) {
              return SystemCodePageInstance().Decode(
                  std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
          }}),
      m_gate([](bool) {}),
      m_path(m_link, CommandObjects{m_rec, m_valid, m_basic, m_numbers, m_history, m_login},
             ReceiverUi{[this](const std::string& text) { Fail(QString::fromStdString(text)); },
                        [this](const std::string& text) { Reply(text); }, [](std::uint16_t) {},
                        [] {}, [](const std::string&) {},
                        [this] { Fail(QStringLiteral("the device was disconnected")); }},
             m_gate) {
    m_timer.setSingleShot(true);
    m_comm.SetBaudRate(kBaudRate);
    m_comm.SetInBufferSize(kReadBlock);
    m_comm.SetInputLen(kReadBlock);
    m_comm.OnReceiveData = [this](TComm*, const char* buffer, quint16 length) {
        for (quint16 i = 0; i < length; ++i)
            m_path.TakeByte(static_cast<std::uint8_t>(buffer[i]));
    };
    m_comm.OnRequestHangup = [this](TComm*) {
        m_path.StopExchange();
        Fail(QStringLiteral("the device was disconnected"));
    };
    AttachHandlers();
}

DeviceSession::~DeviceSession() {
    m_comm.OnReceiveData = nullptr;
    m_comm.OnRequestHangup = nullptr;
    if (m_comm.PortOpen())
        m_comm.ClosePort();
}

bool DeviceSession::Open(QString* failure) {
    m_comm.SetCommName(m_port);
    try {
        m_comm.OpenPort();
    } catch (const ECommsError& error) {
        *failure = QString::fromLocal8Bit(error.what());
        if (!m_comm.LastOpenReason().isEmpty())
            *failure += QStringLiteral(": ") + m_comm.LastOpenReason();
        return false;
    }
    if (!m_comm.PortOpen()) {
        *failure = m_comm.PortOpenError();
        if (!m_comm.LastOpenReason().isEmpty())
            *failure += QStringLiteral(": ") + m_comm.LastOpenReason();
        return false;
    }
    return true;
}

void DeviceSession::AttachHandlers() {
    m_path.handlers.decodeSettingsPage = [this](const ReplyPage&) { PageRead(Area::Settings); };
    m_path.handlers.decodeNumberPage = [this](const ReplyPage&) { PageRead(Area::Numbers); };
    m_path.handlers.decodeHistoryPage = [this](const ReplyPage&) { PageRead(Area::History); };
    m_path.handlers.settingsSaveStep = [this](const ReplyPage&) { PageWritten(Area::Settings); };
    m_path.handlers.numbersSaveStep = [this](const ReplyPage&) { PageWritten(Area::Numbers); };
}

Tsend_rec_command& DeviceSession::Transfer(Area area) {
    switch (area) {
    case Area::Settings:
        return m_basic;
    case Area::Numbers:
        return m_numbers;
    case Area::History:
        break;
    }
    return m_history;
}

void DeviceSession::LogIn(const std::string& password, Done done) {
    m_job = Job::Login;
    m_password = password;
    m_done = std::move(done);
    m_login.StartVerify(m_link);
}

// The window's status texts have no place here: the tool reports pages.
PageRequest DeviceSession::ReadRequest(Area area) {
    return [this, area](std::uint16_t page) {
        SendRequest(m_link, cmd::kReadPage, PageAddress(area, page), {}, {});
    };
}

PageRequest DeviceSession::WriteRequest(Area area) {
    return [this, area](std::uint16_t page) {
        m_unanswered = page;
        SendRequest(m_link, cmd::kWritePage, PageAddress(area, page), m_pages.at(page - 1u), {});
    };
}

TransferDone DeviceSession::ReadDone() {
    return [this] { Finish([this] { m_pagesDone(std::move(m_pages)); }); };
}

TransferDone DeviceSession::WriteDone() {
    return [this] { Finish(m_done); };
}

void DeviceSession::ReadArea(Area area, PagesDone done) {
    m_job = Job::Read;
    m_area = area;
    m_pages.assign(PageCount(area), Page{});
    m_pagesDone = std::move(done);
    StartTransfer(Transfer(area), PageCount(area), ReadRequest(area), ReadDone());
}

void DeviceSession::PageRead(Area area) {
    if (m_job != Job::Read || area != m_area)
        return;
    Tsend_rec_command& transfer = Transfer(area);
    const int page = PageAt(area, static_cast<std::uint32_t>(transfer.Address));
    if (page == 0)
        return;
    std::copy_n(transfer.Data.begin(), addr::kPageSize, m_pages[page - 1].begin());
    if (m_progress)
        m_progress(page, PageCount(area));
    SendNextPage(transfer, ReadRequest(area), ReadDone());
}

void DeviceSession::WriteArea(Area area, Pages pages, Done done) {
    m_job = Job::Write;
    m_area = area;
    m_pages = std::move(pages);
    m_done = std::move(done);
    m_acknowledged.clear();
    m_unanswered.reset();
    StartTransfer(Transfer(area), static_cast<std::uint16_t>(m_pages.size()), WriteRequest(area),
                  WriteDone());
}

void DeviceSession::PageWritten(Area area) {
    if (m_job != Job::Write || area != m_area)
        return;
    Tsend_rec_command& transfer = Transfer(area);
    m_acknowledged.push_back(transfer.CurrentPage());
    m_unanswered.reset();
    if (m_progress)
        m_progress(transfer.CurrentPage(), static_cast<int>(m_pages.size()));
    SendNextPage(transfer, WriteRequest(area), WriteDone());
}

void DeviceSession::SendCommand(std::uint8_t command, Done done) {
    m_job = Job::Command;
    m_done = std::move(done);
    m_command = std::make_unique<Tsingalcmd>(command);
    m_command->Send(m_link);
}

void DeviceSession::SyncClock(Done done) {
    m_job = Job::Command;
    m_done = std::move(done);
    m_command = std::make_unique<Tsynchronizationtime_sc>();
    m_command->Send(m_link);
}

// The device's answer to a write or a single command, in the window's words.
void DeviceSession::Reply(const std::string& text) {
    const bool accepted = text == message::kClockSet || text == message::kHistoryDeleted ||
                          text == message::kCheckModeEntered;
    if (m_job == Job::Command && accepted) {
        Finish(m_done);
        return;
    }
    Fail(QString::fromStdString(text));
}

void DeviceSession::Abort() {
    m_failedOnce = true;
    m_job = Job::None;
    m_timer.stop();
    // Whatever arrives from now on continues nothing.
    m_path.StopExchange();
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
    m_job = Job::None;
    QMetaObject::invokeMethod(this, std::move(next), Qt::QueuedConnection);
}

} // namespace gsm::cli
