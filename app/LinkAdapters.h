#pragma once
// The window's side of the device link: the status bar and the serial port,
// as the protocol code sees them.

#include "Link.h"

class TComm;
class Tstatusbar_ctrl;

class StatusBarSink : public gsm::IStatusSink {
public:
    explicit StatusBarSink(Tstatusbar_ctrl& status) : m_status(status) {}
    // Device texts arrive as UTF-8.
    void ShowStatus(const std::string& text) override;

private:
    Tstatusbar_ctrl& m_status;
};

class CommPortWriter : public gsm::IPortWriter {
public:
    explicit CommPortWriter(TComm& comm) : m_comm(comm) {}
    bool WriteData(const std::uint8_t* data, std::uint16_t count) override;
    bool IsOpen() const override;

private:
    TComm& m_comm;
};
