#include "SettingsCatalogue.h"

#include "protocol/Translatable.h"

#include <stdexcept>

namespace gsm::settings {
namespace {

constexpr const char* kUpTo40 = QT_TRANSLATE_NOOP("Settings", "Up to 40 characters");
constexpr const char* kAskOperator = QT_TRANSLATE_NOOP(
    "Settings", "Call mobile operator to ask the APN name if you need data function");
constexpr const char* kNotifyDefault =
    QT_TRANSLATE_NOOP("Settings", "Default3:Admin Number;Caller Number");

// clang-format off
constexpr std::array<SettingRow, kLastRow> kCatalogue = {{
    {1, QT_TRANSLATE_NOOP("Settings", "1.Password"), Kind::Digits, 4, Start::Value, "7145",
        QT_TRANSLATE_NOOP("Settings", "Default Password:7145")},
    {2, QT_TRANSLATE_NOOP("Settings", "2.SIM Card Phone No"), Kind::Digits, 22, Start::Emptied, "",
        QT_TRANSLATE_NOOP("Settings", "Up to 21 digits, supports country code")},
    {3, QT_TRANSLATE_NOOP("Settings", "3.DIN1 Type"), Kind::List, 0, Start::ListIndex, "",
        QT_TRANSLATE_NOOP("Settings", "Default:NO")},
    {4, QT_TRANSLATE_NOOP("Settings", "4.DIN2 Type"), Kind::List, 0, Start::ListIndex, "",
        QT_TRANSLATE_NOOP("Settings", "Default:NO")},
    {5, QT_TRANSLATE_NOOP("Settings", "5.DIN1 Alarm Content"),
        Kind::Text, 40, Start::Value, "Unauthorized door opened", kUpTo40},
    {6, QT_TRANSLATE_NOOP("Settings", "6.DIN2 Alarm Content"),
        Kind::Text, 40, Start::Value, "DIN2 Alarm", kUpTo40},
    {7, QT_TRANSLATE_NOOP("Settings", "7.Auto Arm after authorized number call-in(0~999)"),
        Kind::Digits, 3, Start::Value, "10",
        QT_TRANSLATE_NOOP("Settings", "Default:10,Unit:Minute."
                                      "Setting to 0 means Disable Auto Alarm.")},
    {8, QT_TRANSLATE_NOOP("Settings", "8.Arm/Disarm after power on"),
        Kind::List, 0, Start::ListIndex, "",
        QT_TRANSLATE_NOOP("Settings", "Default:Disarm. System will alarm only on Arm status")},
    {9, QT_TRANSLATE_NOOP("Settings", "9.Relay Control Authorization"),
        Kind::List, 0, Start::ListIndex, "",
        QT_TRANSLATE_NOOP("Settings", "Default:Only authorized number(s) can call to control")},
    {10, QT_TRANSLATE_NOOP("Settings", "10.Relay swtich ON timer(0~999, Unit:Second)"),
        Kind::Digits, 3, Start::Value, "0",
        QT_TRANSLATE_NOOP("Settings", "Default:0,means relay ON 0.5 seconds "
                                      "then OFF after call in")},
    {11, QT_TRANSLATE_NOOP("Settings", "11.When relay switch ON by authorized number,notify"),
        Kind::List, 0, Start::ListIndex, "", kNotifyDefault},
    {12, QT_TRANSLATE_NOOP("Settings", "12.When relay switch OFF by authorized number,notify"),
        Kind::List, 0, Start::ListIndex, "", kNotifyDefault},
    {13, QT_TRANSLATE_NOOP("Settings", "13.SMS content when relay ON"),
        Kind::Text, 40, Start::Value, "Relay ON", kUpTo40},
    {14, QT_TRANSLATE_NOOP("Settings", "14.SMS content when relay OFF"),
        Kind::Text, 40, Start::Value, "Relay OFF", kUpTo40},
    {15, QT_TRANSLATE_NOOP("Settings", "15.Power source failure alarm delay(0~999,Unit:Min)"),
        Kind::Digits, 3, Start::Value, "999",
        QT_TRANSLATE_NOOP("Settings", "Default:999,means no alarm."
                                      "Setting as 000,alarm SMS once power failure.")},
    {16, QT_TRANSLATE_NOOP("Settings", "16.Self-Check Report Interval(0-999,Unit:Hour)"),
        Kind::Digits, 3, Start::Value, "0",
        QT_TRANSLATE_NOOP("Settings", "Default:0,means no report")},
    {17, QT_TRANSLATE_NOOP("Settings", "17.GPRS Data Upload Interval Time(0-9999,Unit:Min)"),
        Kind::Digits, 4, Start::Value, "9999",
        QT_TRANSLATE_NOOP("Settings", "Default:9999,disable.Setting as 0 means always on line")},
    {18, QT_TRANSLATE_NOOP("Settings", "18.Server IP Address"),
        Kind::Text, 32, Start::Untouched, "", QT_TRANSLATE_NOOP("Settings", "Up to 32 characters")},
    // The port is a number on the wire, but its cell takes any character.
    {19, QT_TRANSLATE_NOOP("Settings", "19.Server Port(0-65535)"),
        Kind::Text, 5, Start::Emptied, "", QT_TRANSLATE_NOOP("Settings", "Default:65535")},
    {20, QT_TRANSLATE_NOOP("Settings", "20.GPRS APN"), Kind::Text, 16, Start::Untouched, "",
        kAskOperator},
    {21, QT_TRANSLATE_NOOP("Settings", "21.GPRS User Name"), Kind::Text, 16, Start::Untouched, "",
        kAskOperator},
    {22, QT_TRANSLATE_NOOP("Settings", "22.GPRS Password"), Kind::Text, 16, Start::Untouched, "",
        kAskOperator},
}};

// The lists' objectNames are not numbered in row order: row 8 has cbb4, row 9 cbb3.
constexpr std::array<ChoiceList, 6> kLists = {{
    {"cbb1", row::kDin1Type, kInputTypeItems, 1},
    {"cbb2", row::kDin2Type, kInputTypeItems, 1},
    {"cbb4", row::kArmAfterPowerOn, kArmItems, 0},
    {"cbb3", row::kRelayAuthorization, kAuthorizationItems, 1},
    {"cbb10", row::kNotifyRelayOn, kNotifyItems, 3},
    {"cbb12", row::kNotifyRelayOff, kNotifyItems, 3},
}};
// clang-format on

} // namespace

int RowHeight(int r) {
    switch (r) {
    case 1:
        return 22;
    case 8:
        return 26;
    default:
        return 24;
    }
}

std::span<const SettingRow> Catalogue() {
    return kCatalogue;
}

const SettingRow& RowInfo(int r) {
    if (r < kFirstRow || r > kLastRow)
        throw std::out_of_range("no setting in row " + std::to_string(r));
    return kCatalogue[static_cast<std::size_t>(r - kFirstRow)];
}

std::span<const ChoiceList> ChoiceLists() {
    return kLists;
}

int ListSlot(int r) {
    for (std::size_t i = 0; i < kLists.size(); ++i)
        if (kLists[i].row == r)
            return static_cast<int>(i);
    return -1;
}

const ChoiceList* ListAtRow(int r) {
    const int slot = ListSlot(r);
    return slot < 0 ? nullptr : &kLists[static_cast<std::size_t>(slot)];
}

void WriteStartGrid(IGrid& grid) {
    for (int c = 0; c < kColCount; ++c)
        grid.SetCell(c, 0, kHeaders[static_cast<std::size_t>(c)]);
    for (const SettingRow& s : kCatalogue)
        grid.SetCell(col::kItems, s.row, s.caption);
    for (const SettingRow& s : kCatalogue)
        grid.SetCell(col::kDescription, s.row, s.description);
    for (const SettingRow& s : kCatalogue)
        if (s.start == Start::Value || s.start == Start::Emptied)
            grid.SetCell(col::kContent, s.row, s.startValue);
}

} // namespace gsm::settings
