#pragma once
// The status bar as the codecs and filters write their status texts.

#include "protocol/Link.h"

class StatusDisplay;

class StatusBarSink : public gsm::IStatusSink {
public:
    explicit StatusBarSink(StatusDisplay& status) : m_status(status) {}
    // Device texts arrive as UTF-8.
    void ShowStatus(const std::string& text) override;

private:
    StatusDisplay& m_status;
};
