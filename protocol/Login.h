#pragma once
// Login: the PC reads settings page 1 and compares the device password, the
// first four bytes of that page, with what the user typed. The check is the
// PC's own; the device knows nothing of a login.

#include "Area.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace gsm {

inline constexpr std::size_t kPasswordBytes = 4;

// The device's password bytes as UTF-8; by default read as Latin-1.
using PasswordDecoder = std::function<std::string(std::span<const std::uint8_t>)>;

// The device password held by settings page 1, as text.
std::string DevicePassword(const Page& firstSettingsPage, const PasswordDecoder& decode = {});

// Letter case is ignored; the device password always has four characters, so
// an empty or longer entry never matches.
bool PasswordsMatch(const std::string& entered, const std::string& device);

} // namespace gsm
