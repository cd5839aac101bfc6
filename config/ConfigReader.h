#pragma once
// Reads a configuration file: one YAML document, checked key by key with the
// validation every write passes. A refusal names the line and the key.

#include "Configuration.h"
#include "text/CodePage.h"

#include <optional>
#include <string>
#include <string_view>

namespace gsm::config {

// The largest file read; a whole configuration is under 100 KiB.
inline constexpr std::size_t kLargestFile = 1024 * 1024;

struct ReadResult {
    std::optional<Configuration> configuration;
    // "line 12: settings.din1_type: \"XX\" is not one of \"NC\", \"NO\"".
    std::string error;
};

ReadResult ReadConfiguration(std::string_view text, const CodePage& codePage);

} // namespace gsm::config
