#include "SettingsRecord.h"

#include <array>
#include <stdexcept>

namespace gsm::settings {
namespace {

using S = DeviceSettings;

constexpr SettingMember Text(int r, TextMember m) {
    return {r, m, nullptr, nullptr, 0};
}
constexpr SettingMember List(int r, ListMember m) {
    return {r, nullptr, m, nullptr, 0};
}
constexpr SettingMember Number(int r, NumberMember m, std::uint16_t largest) {
    return {r, nullptr, nullptr, m, largest};
}

// The ranges are the ones the captions promise the user.
constexpr std::array<SettingMember, kLastRow> kMembers = {{
    Text(row::kPassword, &S::password),
    Text(row::kSimNumber, &S::simNumber),
    List(row::kDin1Type, &S::din1Type),
    List(row::kDin2Type, &S::din2Type),
    Text(row::kDin1Alarm, &S::din1Alarm),
    Text(row::kDin2Alarm, &S::din2Alarm),
    Number(row::kAutoArm, &S::autoArmMinutes, 999),
    List(row::kArmAfterPowerOn, &S::armAfterPowerOn),
    List(row::kRelayAuthorization, &S::relayAuthorization),
    Number(row::kRelayOnTimer, &S::relayOnTimerSeconds, 999),
    List(row::kNotifyRelayOn, &S::notifyRelayOn),
    List(row::kNotifyRelayOff, &S::notifyRelayOff),
    Text(row::kSmsRelayOn, &S::smsRelayOn),
    Text(row::kSmsRelayOff, &S::smsRelayOff),
    Number(row::kPowerFailureDelay, &S::powerFailureDelayMinutes, 999),
    Number(row::kSelfCheckInterval, &S::selfCheckHours, 999),
    Number(row::kUploadInterval, &S::uploadIntervalMinutes, 9999),
    Text(row::kServerAddress, &S::serverAddress),
    Number(row::kServerPort, &S::serverPort, 65535),
    Text(row::kApn, &S::apn),
    Text(row::kGprsUser, &S::gprsUser),
    Text(row::kGprsPassword, &S::gprsPassword),
}};

constexpr bool InRowOrder() {
    for (std::size_t i = 0; i < kMembers.size(); ++i)
        if (kMembers[i].row != static_cast<int>(i) + kFirstRow)
            return false;
    return true;
}
static_assert(InRowOrder(), "MemberOfRow indexes the table by row");

} // namespace

std::string NotIntegerMessage(const std::string& text) {
    std::string message = kNotIntegerFormat;
    message.replace(message.find("%s"), 2, text);
    return message;
}

std::string SettingError::Message() const {
    return problem + "\nSetting: " + RowInfo(row).caption;
}

std::span<const SettingMember> SettingMembers() {
    return kMembers;
}

const SettingMember& MemberOfRow(int r) {
    if (r < kFirstRow || r > kLastRow)
        throw std::out_of_range("no setting in row " + std::to_string(r));
    return kMembers[static_cast<std::size_t>(r - kFirstRow)];
}

} // namespace gsm::settings
