#pragma once
// The canonical text of a device's configuration: settings in catalogue
// order, number entries by slot, nothing that depends on when or where it
// was written, so the same device contents always give the same bytes.

#include "protocol/Area.h"
#include "settings/SettingsRecord.h"

#include <span>
#include <string>

namespace gsm::config {

// `numberPages` are the device's number pages (125, or fewer: the slots
// they do not reach are left out as empty). Erased records (32 x 0xFF) are
// named as erased, empty ones (32 x 0x00) left out.
std::string ConfigurationText(const settings::DeviceSettings& settings,
                              std::span<const Page> numberPages);

// `text` as a YAML double-quoted scalar, every control character escaped.
std::string Quoted(std::string_view text);

} // namespace gsm::config
