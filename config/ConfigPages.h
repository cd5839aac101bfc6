#pragma once
// What applying a configuration makes a device hold, given what it holds
// now: the settings it names over the device's own, a settings page the
// device keeps byte for byte when none of its settings changes value; the
// number pages of the whole list when the file names one.

#include "Configuration.h"
#include "protocol/Area.h"
#include "text/CodePage.h"

#include <optional>
#include <string>

namespace gsm::config {

// The areas a configuration writes (settings when it names any, numbers
// when it names the list): what must be read from the device first.
std::vector<Area> AreasOf(const Configuration& config);

struct WantedPages {
    std::optional<AreaPages> pages;
    std::string error; // why the settings cannot be written, naming the setting
};

// `device` holds every area AreasOf names, whole.
WantedPages PagesToWrite(const Configuration& config, const AreaPages& device,
                         const CodePage& codePage);

// The settings both settings pages hold.
settings::DeviceSettings SettingsOf(const Pages& settingsPages, const CodePage& codePage);

} // namespace gsm::config
