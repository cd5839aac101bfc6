#pragma once
// Where the device keeps its credentials: the login password in settings
// page 1, the GPRS user name and password in settings page 2. The settings
// layout places those settings here and the frame trace masks exactly these
// bytes, so what is kept secret cannot drift from where the secrets are.

#include "Frame.h"

#include <cstdint>

namespace gsm::credentials {

inline constexpr Field kDevicePassword{0, 4}; // settings page 1
inline constexpr Field kGprsUser{0, 16};      // settings page 2
inline constexpr Field kGprsPassword{17, 16}; // settings page 2

struct CredentialField {
    std::uint32_t pageAddress;
    Field field;
};

inline constexpr CredentialField kAll[] = {
    {addr::SettingsPage(1), kDevicePassword},
    {addr::SettingsPage(2), kGprsUser},
    {addr::SettingsPage(2), kGprsPassword},
};

} // namespace gsm::credentials
