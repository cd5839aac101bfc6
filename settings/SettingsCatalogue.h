#pragma once
// The 22 basic settings of the device as the settings grid shows them: one row
// per setting (rows 1 to 22; row 0 holds the headers), its caption in column 0,
// its value in column 1 and a description in column 2. Six settings are
// choices, held by drop-down lists that stand over their Content cells.
// Row numbers are the settings' identities for the page codec, the editor
// rules and the profile files alike.

#include "protocol/Grid.h"
#include "protocol/Translatable.h"

#include <array>
#include <span>

namespace gsm::settings {

namespace col {
inline constexpr int kItems = 0;
inline constexpr int kContent = 1;
inline constexpr int kDescription = 2;
} // namespace col

inline constexpr int kColCount = 3;
inline constexpr int kRowCount = 23;
inline constexpr int kFirstRow = 1;
inline constexpr int kLastRow = 22;

inline constexpr std::array<const char*, kColCount> kHeaders = {
    //: Settings grid headers: the setting, its value, what it means
    QT_TRANSLATE_NOOP("Settings", "Items"), QT_TRANSLATE_NOOP("Settings", "Content"),
    QT_TRANSLATE_NOOP("Settings", "Description")};
inline constexpr std::array<int, kColCount> kColWidths = {290, 255, 460};

namespace row {
inline constexpr int kPassword = 1;
inline constexpr int kSimNumber = 2;
inline constexpr int kDin1Type = 3;
inline constexpr int kDin2Type = 4;
inline constexpr int kDin1Alarm = 5;
inline constexpr int kDin2Alarm = 6;
inline constexpr int kAutoArm = 7;
inline constexpr int kArmAfterPowerOn = 8;
inline constexpr int kRelayAuthorization = 9;
inline constexpr int kRelayOnTimer = 10;
inline constexpr int kNotifyRelayOn = 11;
inline constexpr int kNotifyRelayOff = 12;
inline constexpr int kSmsRelayOn = 13;
inline constexpr int kSmsRelayOff = 14;
inline constexpr int kPowerFailureDelay = 15;
inline constexpr int kSelfCheckInterval = 16;
inline constexpr int kUploadInterval = 17;
inline constexpr int kServerAddress = 18;
inline constexpr int kServerPort = 19;
inline constexpr int kApn = 20;
inline constexpr int kGprsUser = 21;
inline constexpr int kGprsPassword = 22;
} // namespace row

// Height of grid row `r` in pixels.
int RowHeight(int r);

// How a setting is edited: only digits, any character of the device code
// page, or a choice from a drop-down list.
enum class Kind { Digits, Text, List };

// What the Content cell holds when the window is created.
enum class Start {
    Untouched, // nothing is written: the cell stays empty
    Emptied,   // the empty text is written on purpose
    Value,     // startValue is written
    ListIndex, // the list's start index is set; the cell stays empty
};

struct SettingRow {
    int row;
    const char* caption;
    Kind kind;
    int limit; // longest value in code-page bytes; 0 for lists
    Start start;
    const char* startValue;
    const char* description;
};

// Rows 1 to 22 in order.
std::span<const SettingRow> Catalogue();
// The catalogue entry of row `r` (1 to 22).
const SettingRow& RowInfo(int r);

inline constexpr std::array<const char*, 2> kInputTypeItems = {
    QT_TRANSLATE_NOOP("Settings", "0:NC "), QT_TRANSLATE_NOOP("Settings", "1:NO")};
inline constexpr std::array<const char*, 2> kArmItems = {QT_TRANSLATE_NOOP("Settings", "0:Disarm"),
                                                         QT_TRANSLATE_NOOP("Settings", "1:Arm")};
inline constexpr std::array<const char*, 2> kAuthorizationItems = {
    QT_TRANSLATE_NOOP("Settings", "0:Allow all numbers to control the Relay"),
    QT_TRANSLATE_NOOP("Settings", "1:Only authorized numbers can control the relay")};
inline constexpr std::array<const char*, 4> kNotifyItems = {
    QT_TRANSLATE_NOOP("Settings", "0:None"), QT_TRANSLATE_NOOP("Settings", "1:Admin Number"),
    QT_TRANSLATE_NOOP("Settings", "2:Caller Number"),
    QT_TRANSLATE_NOOP("Settings", "3:Admin & Caller Number")};

// A drop-down list over the Content cell of its row. Every item begins with
// its own index digit and a colon, which the profile import relies on.
struct ChoiceList {
    const char* name;
    int row;
    std::span<const char* const> items;
    int startIndex;
};

// In the order the window creates them: rows 3, 4, 8, 9, 11, 12.
std::span<const ChoiceList> ChoiceLists();
// The list standing over row `r`, or nullptr when the row is not a choice.
const ChoiceList* ListAtRow(int r);
// The place of that list in ChoiceLists(), or -1.
int ListSlot(int r);

inline constexpr int kNoSelection = -1;

// Headers, captions, descriptions and start values, in the order the window
// writes them when it is created. List start indexes are not cells; the
// caller sets them from ChoiceLists().
void WriteStartGrid(IGrid& grid);

} // namespace gsm::settings
