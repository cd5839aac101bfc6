#pragma once
// Login: the PC reads settings page 1 and compares the device password,
// the first four bytes of that page, with what the user typed.

#include "Link.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace gsm {

namespace status {
inline constexpr const char* kPasswordVerifying = "Password verifing";
}
namespace message {
inline constexpr const char* kPasswordConfirmed = "Password confirmed!";
inline constexpr const char* kPasswordError = "Password Error!";
} // namespace message

class Tpasswordverify {
public:
    struct Hooks {
        std::function<std::string()> enteredPassword; // text of the password box, UTF-8
        std::function<void(const std::string&)> showMessage;
        std::function<void(bool enabled)> setDeviceOperations;
        // The device's password bytes as UTF-8, read in the device's code
        // page; taken as Latin-1 when not given.
        std::function<std::string(std::span<const std::uint8_t>)> decodePassword = nullptr;
    };

    explicit Tpasswordverify(Hooks hooks) : m_hooks(std::move(hooks)) {}

    std::uint8_t Verifying = 0;
    std::string DevicePassword;
    std::string EnteredPassword;

    void StartVerify(DeviceLink& link);
    void TakeDevicePassword(std::span<const std::uint8_t> data);
    void ComparePasswords();
    // A login whose reply never came or was corrupt must not capture a later settings read.
    void Abandon() { Verifying = 0; }

    // Letter case is ignored; the device password always has four characters.
    static bool PasswordsMatch(const std::string& entered, const std::string& device);

private:
    Hooks m_hooks;
};

} // namespace gsm
