#include "LinkAdapters.h"

#include "Controllers.h"
#include "TComm.h"

#include <QString>

void StatusBarSink::ShowStatus(const std::string& text) {
    m_status.ShowStatus(QString::fromStdString(text));
}

bool CommPortWriter::WriteData(const std::uint8_t* data, std::uint16_t count) {
    return m_comm.WriteData(reinterpret_cast<const char*>(data), count);
}

bool CommPortWriter::IsOpen() const {
    return m_comm.PortOpen();
}
