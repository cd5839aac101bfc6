#pragma once
// The one check every write of the settings passes: a value the device cannot
// hold as it stands, or that its caption does not allow, is refused before
// any byte is sent, never cut, wrapped or replaced. A refusal names the
// setting; the first one in page order is reported.

#include "SettingsLayout.h"
#include "SettingsRecord.h"
#include "text/CodePage.h"

#include <optional>

namespace gsm::settings {

// The settings of both pages.
std::optional<SettingError> ValidateSettings(const DeviceSettings& settings,
                                             const CodePage& codePage);
// The settings of page `page` (1 or 2) only.
std::optional<SettingError> ValidateSettingsPage(const DeviceSettings& settings, int page,
                                                 const CodePage& codePage);

// Why row `r`'s value (1 to 22) cannot be sent, whatever the other settings
// hold; nullopt when it can.
std::optional<std::string> SettingProblem(int r, const DeviceSettings& settings,
                                          const CodePage& codePage);
// A page about to be written back byte for byte, as a backup holds it. What
// a read would hide is refused as well: a password field that is not four
// digits, a SIM number field with other characters before its end, a list
// byte that is neither an item nor 0xFF, either copy of the relay timer out
// of range. Then the page's settings must pass ValidateSettingsPage.
std::optional<SettingError> CheckSettingsPage(int page, const Page& data, const CodePage& codePage);

// The earlier of two refusals in page order.
std::optional<SettingError> FirstInPageOrder(std::optional<SettingError> a,
                                             std::optional<SettingError> b);

} // namespace gsm::settings
