#include "LinkAdapters.h"

#include "Controllers.h"
#include "TComm.h"

#include <QString>
#include <QTimer>

void StatusBarSink::ShowStatus(const std::string& text) {
    m_status.ShowStatus(QString::fromStdString(text));
}

void QtReceiveTimer::Enable() {
    if (!m_timer.isActive())
        m_timer.start();
}

void QtReceiveTimer::Disable() {
    m_timer.stop();
}

// QTimer restarts a running countdown when its interval is set, even to the
// same value; an unchanged interval must not extend the timeout.
void QtReceiveTimer::SetInterval(int ms) {
    if (m_timer.interval() != ms)
        m_timer.setInterval(ms);
}

bool QtReceiveTimer::Enabled() const {
    return m_timer.isActive();
}

bool CommPortWriter::WriteData(const std::uint8_t* data, std::uint16_t count) {
    return m_comm.WriteData(reinterpret_cast<const char*>(data), count);
}

bool CommPortWriter::IsOpen() const {
    return m_comm.PortOpen();
}
