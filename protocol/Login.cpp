#include "Login.h"

#include <algorithm>

namespace gsm {

namespace {

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

std::string DevicePassword(const Page& firstSettingsPage, const PasswordDecoder& decode) {
    const std::span<const std::uint8_t> bytes(firstSettingsPage.data(), kPasswordBytes);
    return decode ? decode(bytes) : Latin1ToUtf8(bytes);
}

bool PasswordsMatch(const std::string& entered, const std::string& device) {
    return entered.size() == device.size() &&
           std::equal(entered.begin(), entered.end(), device.begin(),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

} // namespace gsm
