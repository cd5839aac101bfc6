#include "SettingsCodec.h"

#include <array>

namespace gsm::sim {

namespace {

using S = DeviceSettings;
using TF = TextForm;

SettingField Text(const char* key, int page, Field field, std::string S::*member, TextForm form) {
    return SettingField{key, page, field, member, form, nullptr, false};
}

SettingField Number(const char* key, int page, Field field, int S::*member,
                    bool secondCopy = false) {
    return SettingField{key, page, field, nullptr, TF::ZeroEnded, member, secondCopy};
}

// Offsets and widths of page 1 (address 0) and page 2 (address 0x100).
const std::array<SettingField, 23> kFields{
    Text("password", 1, {0, 4}, &S::password, TF::ZeroEnded),
    Text("simNumber", 1, {4, 22}, &S::simNumber, TF::ZeroEndedUnlessEmpty),
    Number("din1Type", 1, {26, 1}, &S::din1Type),
    Number("din2Type", 1, {27, 1}, &S::din2Type),
    Text("din1AlarmContent", 1, {28, 40}, &S::din1AlarmContent, TF::ZeroEnded),
    Text("din2AlarmContent", 1, {68, 40}, &S::din2AlarmContent, TF::ZeroEnded),
    Number("autoArmMinutes", 1, {108, 2}, &S::autoArmMinutes),
    Number("armAfterPowerOn", 1, {111, 1}, &S::armAfterPowerOn),
    Number("relayAuthorization", 1, {110, 1}, &S::relayAuthorization),
    Number("relayOnTimerSeconds", 1, {112, 2}, &S::relayOnTimerSeconds),
    Number("relayOnTimerSeconds", 1, {114, 2}, &S::relayOnTimerSeconds, true),
    Number("notifyRelayOn", 1, {116, 1}, &S::notifyRelayOn),
    Number("notifyRelayOff", 1, {117, 1}, &S::notifyRelayOff),
    Text("smsRelayOn", 1, {118, 40}, &S::smsRelayOn, TF::ZeroEnded),
    Text("smsRelayOff", 1, {158, 40}, &S::smsRelayOff, TF::ZeroEnded),
    Number("powerFailureDelayMinutes", 1, {200, 2}, &S::powerFailureDelayMinutes),
    Number("selfCheckHours", 1, {202, 2}, &S::selfCheckHours),
    Number("gprsUploadMinutes", 1, {198, 2}, &S::gprsUploadMinutes),
    Text("serverIp", 1, {204, 32}, &S::serverIp, TF::FfPadded),
    Number("serverPort", 1, {236, 2}, &S::serverPort),
    Text("gprsApn", 1, {238, 16}, &S::gprsApn, TF::FfPadded),
    Text("gprsUser", 2, {0, 16}, &S::gprsUser, TF::FfPadded),
    Text("gprsPassword", 2, {17, 16}, &S::gprsPassword, TF::FfPadded),
};

Page& PageOf(int page, Page& page1, Page& page2) {
    return page == 1 ? page1 : page2;
}

const Page& PageOf(int page, const Page& page1, const Page& page2) {
    return page == 1 ? page1 : page2;
}

} // namespace

std::span<const SettingField> SettingFields() {
    return kFields;
}

DeviceSettings FactorySettings() {
    DeviceSettings s;
    s.password = "7145";
    s.din1Type = 1;
    s.din2Type = 1;
    s.din1AlarmContent = "Unauthorized door opened";
    s.din2AlarmContent = "DIN2 Alarm";
    s.autoArmMinutes = 10;
    s.armAfterPowerOn = 0;
    s.relayAuthorization = 1;
    s.relayOnTimerSeconds = 0;
    s.notifyRelayOn = 3;
    s.notifyRelayOff = 3;
    s.smsRelayOn = "Relay ON";
    s.smsRelayOff = "Relay OFF";
    s.powerFailureDelayMinutes = 999;
    s.selfCheckHours = 0;
    s.gprsUploadMinutes = 9999;
    s.serverPort = 0xFFFF; // an empty port cell is sent as FF FF
    return s;
}

void EncodeSettings(const DeviceSettings& settings, Page& page1, Page& page2) {
    page1.fill(0xFF);
    page2.fill(0xFF);
    for (const auto& f : kFields) {
        Page& page = PageOf(f.page, page1, page2);
        if (f.text != nullptr)
            PutText(page, f.field, settings.*f.text, f.form);
        else
            PutLittleEndian(page, f.field, static_cast<std::uint32_t>(settings.*f.number));
    }
}

DeviceSettings DecodeSettings(const Page& page1, const Page& page2) {
    DeviceSettings s;
    for (const auto& f : kFields) {
        const Page& page = PageOf(f.page, page1, page2);
        if (f.text != nullptr)
            s.*f.text = GetText(page, f.field, f.form);
        else
            s.*f.number = static_cast<int>(GetLittleEndian(page, f.field));
    }
    return s;
}

DeviceSettings DecodeSettings(const DeviceMemory& memory) {
    return DecodeSettings(memory.SettingsPage(1), memory.SettingsPage(2));
}

bool SettingsAreCanonical(const Page& page1, const Page& page2) {
    const DeviceSettings values = DecodeSettings(page1, page2);
    for (const auto& f : kFields)
        if (f.text != nullptr && !IsPlainText(values.*f.text))
            return false;
    Page again1;
    Page again2;
    EncodeSettings(values, again1, again2);
    return again1 == page1 && again2 == page2;
}

} // namespace gsm::sim
