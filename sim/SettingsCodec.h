#pragma once
// The 22 basic settings and where they sit in the two settings pages.

#include "DeviceMemory.h"
#include "FieldCodec.h"

#include <span>
#include <string>

namespace gsm::sim {

// A list index of 0xFF is a list without selection; numbers are 16-bit.
struct DeviceSettings {
    std::string password;
    std::string simNumber;
    int din1Type = 0xFF;
    int din2Type = 0xFF;
    std::string din1AlarmContent;
    std::string din2AlarmContent;
    int autoArmMinutes = 0xFFFF;
    int armAfterPowerOn = 0xFF;
    int relayAuthorization = 0xFF;
    int relayOnTimerSeconds = 0xFFFF;
    int notifyRelayOn = 0xFF;
    int notifyRelayOff = 0xFF;
    std::string smsRelayOn;
    std::string smsRelayOff;
    int powerFailureDelayMinutes = 0xFFFF;
    int selfCheckHours = 0xFFFF;
    int gprsUploadMinutes = 0xFFFF;
    std::string serverIp;
    int serverPort = 0xFFFF;
    std::string gprsApn;
    std::string gprsUser;
    std::string gprsPassword;

    bool operator==(const DeviceSettings&) const = default;
};

// One setting's place in the pages. A field one byte wide is a list index,
// two bytes wide a little-endian number; text fields carry their form.
struct SettingField {
    const char* key; // name in scenario files
    int page;        // 1 or 2
    Field field;
    std::string DeviceSettings::*text = nullptr;
    TextForm form = TextForm::ZeroEnded;
    int DeviceSettings::*number = nullptr;
    // The device keeps the relay timer twice; the second copy is the one read.
    bool secondCopy = false;
};

// In the order of the settings grid's rows.
std::span<const SettingField> SettingFields();

// The values a device leaves the factory with.
DeviceSettings FactorySettings();

// Fills both pages from 0xFF, then writes every setting.
void EncodeSettings(const DeviceSettings& settings, Page& page1, Page& page2);
DeviceSettings DecodeSettings(const Page& page1, const Page& page2);
DeviceSettings DecodeSettings(const DeviceMemory& memory);

// True when the pages are exactly what EncodeSettings writes for the values
// they decode to, so that the values alone describe them.
bool SettingsAreCanonical(const Page& page1, const Page& page2);

} // namespace gsm::sim
