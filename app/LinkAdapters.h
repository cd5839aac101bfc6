#pragma once
// The status bar as the codecs and filters write their status texts.

#include "Link.h"

class Tstatusbar_ctrl;

class StatusBarSink : public gsm::IStatusSink {
public:
    explicit StatusBarSink(Tstatusbar_ctrl& status) : m_status(status) {}
    // Device texts arrive as UTF-8.
    void ShowStatus(const std::string& text) override;

private:
    Tstatusbar_ctrl& m_status;
};
