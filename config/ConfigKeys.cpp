#include "ConfigKeys.h"

#include "settings/SettingsCatalogue.h"

#include <array>
#include <cctype>

namespace gsm::config {
namespace {

// Row r at index r - 1, in catalogue order.
constexpr std::array<const char*, settings::kLastRow> kKeys = {
    "password",
    "sim_card_phone_no",
    "din1_type",
    "din2_type",
    "din1_alarm_content",
    "din2_alarm_content",
    "auto_arm_after_call_in",
    "arm_after_power_on",
    "relay_control_authorization",
    "relay_switch_on_timer",
    "notify_when_relay_on",
    "notify_when_relay_off",
    "sms_content_relay_on",
    "sms_content_relay_off",
    "power_failure_alarm_delay",
    "self_check_report_interval",
    "gprs_upload_interval",
    "server_ip_address",
    "server_port",
    "gprs_apn",
    "gprs_user_name",
    "gprs_password",
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

const char* KeyOfRow(int r) {
    return kKeys.at(static_cast<std::size_t>(r - 1));
}

std::optional<int> RowOfKey(std::string_view key) {
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (key == kKeys[i])
            return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::string ItemLabel(int r, int index) {
    const std::string_view item = settings::ListAtRow(r)->items[static_cast<std::size_t>(index)];
    return std::string(Trimmed(item.substr(item.find(':') + 1)));
}

std::optional<int> ItemOfLabel(int r, std::string_view label) {
    const settings::ChoiceList& list = *settings::ListAtRow(r);
    for (std::size_t i = 0; i < list.items.size(); ++i)
        if (SameIgnoringCase(Trimmed(label), ItemLabel(r, static_cast<int>(i))))
            return static_cast<int>(i);
    return std::nullopt;
}

std::string LabelsOf(int r) {
    std::string text;
    const std::size_t count = settings::ListAtRow(r)->items.size();
    for (std::size_t i = 0; i < count; ++i)
        text += (i ? ", \"" : "\"") + ItemLabel(r, static_cast<int>(i)) + "\"";
    return text;
}

} // namespace gsm::config
