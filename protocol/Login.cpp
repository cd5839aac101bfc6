#include "Login.h"

#include "Commands.h"

#include <algorithm>

namespace gsm {

namespace {
constexpr std::size_t kPasswordBytes = 4;

// Device bytes are taken as Latin-1 characters, written as UTF-8.
std::string Latin1ToUtf8(std::span<const std::uint8_t> bytes) {
    std::string out;
    for (auto b : bytes) {
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

void Tpasswordverify::StartVerify(DeviceLink& link) {
    Verifying = 1;
    if (!SendRequest(link, cmd::kReadPage, addr::SettingsPage(1), {}, status::kReadSettings)) {
        Verifying = 0;
        return;
    }
    link.status.ShowStatus(status::kPasswordVerifying);
}

void Tpasswordverify::TakeDevicePassword(std::span<const std::uint8_t> data) {
    const auto bytes = data.first(std::min(kPasswordBytes, data.size()));
    DevicePassword = m_hooks.decodePassword ? m_hooks.decodePassword(bytes) : Latin1ToUtf8(bytes);
    ComparePasswords();
}

bool Tpasswordverify::PasswordsMatch(const std::string& entered, const std::string& device) {
    return entered.size() == device.size() &&
           std::equal(entered.begin(), entered.end(), device.begin(),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

void Tpasswordverify::ComparePasswords() {
    EnteredPassword = m_hooks.enteredPassword ? m_hooks.enteredPassword() : std::string();
    if (PasswordsMatch(EnteredPassword, DevicePassword)) {
        m_hooks.showMessage(message::kPasswordConfirmed);
        m_hooks.setDeviceOperations(true);
    } else {
        m_hooks.showMessage(message::kPasswordError);
        m_hooks.setDeviceOperations(false);
    }
    Verifying = 0;
}

} // namespace gsm
