// The configuration file: what it refuses (naming the line and the key), the
// pages it makes a device hold, and its canonical text.
#include "config/ConfigKeys.h"
#include "config/ConfigPages.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "numbers/NumberRecord.h"
#include "settings/SettingsPages.h"
#include "sim/Scenario.h"
#include "text/CodePage.h"

#include <gtest/gtest.h>

#include <set>

namespace gsm::config {
namespace {

const CodePage& Cp() {
    static const CodePage codePage("CP1252");
    return codePage;
}

AreaPages DeviceHolding(const sim::DeviceMemory& memory) {
    AreaPages device;
    for (int p = 1; p <= addr::kSettingsPages; ++p)
        device[Area::Settings].push_back(memory.SettingsPage(p));
    for (int p = 1; p <= addr::kNumberPages; ++p)
        device[Area::Numbers].push_back(memory.NumberPage(p));
    return device;
}

AreaPages BusyDevice() {
    return DeviceHolding(sim::Scenario::Busy().memory);
}

AreaPages BlankDevice() {
    return DeviceHolding(sim::Scenario::Factory().memory);
}

std::string TextOf(const AreaPages& device) {
    return ConfigurationText(SettingsOf(device.at(Area::Settings), Cp()), device.at(Area::Numbers));
}

Configuration Read(const std::string& text) {
    const ReadResult read = ReadConfiguration(text, Cp());
    EXPECT_TRUE(read.configuration) << read.error;
    return read.configuration.value_or(Configuration{});
}

AreaPages Wanted(const Configuration& config, const AreaPages& device) {
    const WantedPages wanted = PagesToWrite(config, device, Cp());
    EXPECT_TRUE(wanted.pages) << wanted.error;
    return wanted.pages.value_or(AreaPages{});
}

constexpr const char* kHead = "format: gsmgate configuration\nversion: 1\n";

TEST(ConfigRoundTrip, ABusyDeviceExportedAndAppliedToABlankOneHoldsTheSamePages) {
    const AreaPages busy = BusyDevice();
    const std::string text = TextOf(busy);
    const Configuration config = Read(text);
    // Every setting and the whole list are named: nothing of the blank device survives.
    EXPECT_EQ(AreasOf(config), (std::vector<Area>{Area::Settings, Area::Numbers}));
    const AreaPages applied = Wanted(config, BlankDevice());
    EXPECT_EQ(applied.at(Area::Numbers), busy.at(Area::Numbers));
    EXPECT_EQ(SettingsOf(applied.at(Area::Settings), Cp()),
              SettingsOf(busy.at(Area::Settings), Cp()));
    EXPECT_EQ(TextOf(applied), text);
    // The same file over the device it came from leaves every page as it is.
    EXPECT_EQ(Wanted(config, busy), busy);
}

TEST(ConfigRoundTrip, ErasedAndEmptySlotsKeepTheirOwnRecords) {
    AreaPages device = BlankDevice();
    Page& first = device[Area::Numbers][0];
    std::fill(first.begin(), first.begin() + 32, numbers::record::kErasedByte); // slot 1
    const std::string text = TextOf(device);
    EXPECT_NE(text.find("  - {slot: 1, erased: true}\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("slot: 2"), std::string::npos) << "an empty slot is left out";
    EXPECT_EQ(Wanted(Read(text), BlankDevice()).at(Area::Numbers), device.at(Area::Numbers));
}

TEST(ConfigRoundTrip, TextsWithQuotesBackslashesAndMarkupCharactersComeBackAsTheyWere) {
    AreaPages device = BusyDevice();
    settings::DeviceSettings s = SettingsOf(device.at(Area::Settings), Cp());
    s.din1Alarm = "a \"b\" \\c # d: e, [f] {g} 'h'";
    s.smsRelayOn = " leading and trailing ";
    const settings::EncodedSettings encoded = settings::EncodeSettings(s, Cp());
    ASSERT_FALSE(encoded.error);
    device[Area::Settings] = Pages(encoded.pages.begin(), encoded.pages.end());
    const Configuration config = Read(TextOf(device));
    EXPECT_EQ(config.settings.din1Alarm, s.din1Alarm);
    EXPECT_EQ(config.settings.smsRelayOn, s.smsRelayOn);
    EXPECT_EQ(Quoted(std::string("x\x01y\x7f", 4)), "\"x\\x01y\\x7F\"");
}

TEST(ConfigApply, OnlyAPageWhoseSettingsChangeValueIsRewritten) {
    AreaPages device = BusyDevice();
    // Bytes that carry no setting differ from what an encoder writes there.
    device[Area::Settings][0][254] = 0x12;
    device[Area::Settings][1][100] = 0x34;
    const Configuration same = Read(TextOf(device));
    EXPECT_EQ(Wanted(same, device), device);

    const Configuration one =
        Read(std::string(kHead) + "# only the GPRS user\nsettings:\n  gprs_user_name: \"other\"\n");
    EXPECT_EQ(AreasOf(one), std::vector<Area>{Area::Settings});
    const AreaPages wanted = Wanted(one, device);
    EXPECT_EQ(wanted.count(Area::Numbers), 0u) << "a file without numbers leaves the list alone";
    EXPECT_EQ(wanted.at(Area::Settings)[0], device.at(Area::Settings)[0]);
    EXPECT_NE(wanted.at(Area::Settings)[1], device.at(Area::Settings)[1]);
    settings::DeviceSettings expected = SettingsOf(device.at(Area::Settings), Cp());
    expected.gprsUser = "other";
    EXPECT_EQ(SettingsOf(wanted.at(Area::Settings), Cp()), expected);
}

TEST(ConfigApply, ADeviceValueThatCannotBeWrittenBackIsNamed) {
    AreaPages device = BusyDevice();
    device[Area::Settings][0][108] = 0xE8; // auto arm: 1000 minutes, beyond its 0~999
    device[Area::Settings][0][109] = 0x03;
    const std::string change = std::string(kHead) + "settings:\n  relay_switch_on_timer: 5\n";
    const WantedPages wanted = PagesToWrite(Read(change), device, Cp());
    EXPECT_FALSE(wanted.pages);
    EXPECT_NE(wanted.error.find("settings.auto_arm_after_call_in"), std::string::npos)
        << wanted.error;
    // Naming it mends it.
    EXPECT_TRUE(PagesToWrite(Read(change + "  auto_arm_after_call_in: 10\n"), device, Cp()).pages);
}

TEST(ConfigRead, ValuesTakeTheirNaturalForms) {
    const Configuration config = Read(std::string(kHead) + R"(settings:
  password: 0123            # digits stay text, leading zero and all
  din1_type: nc             # a label, in any case
  din2_type: 1              # or the item's index
  arm_after_power_on: null  # no selection
  server_port: 8080
  relay_switch_on_timer:    # an empty cell
numbers:
  - {slot: 1000, number: 0153303786, always: yes}
  - {slot: 2, number: "+8613800138000", from: "2026-01-01 08:00", until: "2026-12-31 18:00"}
)");
    EXPECT_EQ(config.settings.password, "0123");
    EXPECT_EQ(config.settings.din1Type, 0);
    EXPECT_EQ(config.settings.din2Type, 1);
    EXPECT_EQ(config.settings.armAfterPowerOn, settings::kNoSelection);
    EXPECT_EQ(config.settings.serverPort, 8080);
    EXPECT_EQ(config.settings.relayOnTimerSeconds, std::nullopt);
    EXPECT_FALSE(config.named[settings::row::kSimNumber]);
    ASSERT_TRUE(config.numbers);
    EXPECT_EQ((*config.numbers)[999].number, "0153303786");
    EXPECT_TRUE((*config.numbers)[999].always);
    const numbers::NumberEntry& two = (*config.numbers)[1];
    EXPECT_EQ(two.start.date, (numbers::DeviceDate{26, 1, 1}));
    EXPECT_EQ(two.end.time, (numbers::DeviceTime{18, 0}));
    EXPECT_EQ((*config.numbers)[0], numbers::NumberEntry{});
}

struct Refused {
    const char* name;
    std::string text;
    std::string says; // the line and the key, then the reason
};

void PrintTo(const Refused& r, std::ostream* out) {
    *out << r.name;
}

class ConfigRefuses : public testing::TestWithParam<Refused> {};

TEST_P(ConfigRefuses, NamingTheLineAndTheKey) {
    const ReadResult read = ReadConfiguration(GetParam().text, Cp());
    EXPECT_FALSE(read.configuration);
    EXPECT_NE(read.error.find(GetParam().says), std::string::npos) << read.error;
}

const std::string kSettings = std::string(kHead) + "settings:\n";
const std::string kNumbers = std::string(kHead) + "numbers:\n";

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigRefuses,
    testing::Values(
        Refused{"NotYaml", "format: [unclosed\n", "line 2: "},
        Refused{"NoFormat", "version: 1\n", "format: is not \"gsmgate configuration\""},
        Refused{"OtherVersion", "format: gsmgate configuration\nversion: 2\n",
                "line 2: version: is not 1"},
        Refused{"TwoDocuments", std::string(kHead) + "---\n" + kHead, "more than one document"},
        // yaml-cpp's LoadAll never ends on this one.
        Refused{"LeadingComma", ",!!tee", "more than one document"},
        Refused{"UnknownTopKey", std::string(kHead) + "numbrs: []\n",
                "line 3: document: unknown key \"numbrs\""},
        Refused{"UnknownSetting", kSettings + "  din3_type: NO\n",
                "line 4: settings: unknown setting \"din3_type\""},
        Refused{"SettingTwice", kSettings + "  din1_type: NO\n  din1_type: NC\n",
                "line 5: settings: \"din1_type\" is given twice"},
        Refused{"UnknownLabel", kSettings + "  din1_type: closed\n",
                "line 4: settings.din1_type: \"closed\" is not one of \"NC\", \"NO\""},
        Refused{"IndexNotInList", kSettings + "  notify_when_relay_on: 4\n",
                "line 4: settings.notify_when_relay_on: 4 is not an item of the list"},
        Refused{"ShortPassword", kSettings + "  password: 123\n",
                "line 4: settings.password: The password must be exactly four digits."},
        Refused{"OutsideCaptionRange", kSettings + "\n  auto_arm_after_call_in: 1000\n",
                "line 5: settings.auto_arm_after_call_in: '1000' is outside the range 0 to 999."},
        Refused{"NotANumber", kSettings + "  server_port: 80a\n",
                "settings.server_port: \"80a\" is not a number from 0 to 65535"},
        Refused{"TextTooLong", kSettings + "  gprs_apn: \"" + std::string(17, 'a') + "\"\n",
                "line 4: settings.gprs_apn: The value needs 17 bytes"},
        Refused{"ControlCharacter", kSettings + "  din1_alarm_content: \"a\\x1bb\"\n",
                "settings.din1_alarm_content: The text holds a control character (U+001B)."},
        Refused{"TextIsAList", kSettings + "  sms_content_relay_on: [a, b]\n",
                "settings.sms_content_relay_on: is not a text"},
        Refused{"NumbersNull", kNumbers, "numbers: is not a list of entries"},
        Refused{"SlotMissing", kNumbers + "  - {number: \"123\", always: true}\n",
                "line 4: numbers entry 1: needs a slot"},
        Refused{"SlotOutOfRange", kNumbers + "  - {slot: 1001, erased: true}\n",
                "numbers entry 1.slot: \"1001\" is not a slot from 1 to 1000"},
        Refused{"SlotTwice",
                kNumbers + "  - {slot: 3, erased: true}\n  - {slot: 3, erased: true}\n",
                "line 5: numbers slot 3: is named twice (first on line 4)"},
        Refused{"UnknownEntryKey", kNumbers + "  - {slot: 3, numer: \"1\"}\n",
                "numbers entry 1: unknown key \"numer\""},
        Refused{"ErasedWithNumber", kNumbers + "  - {slot: 3, erased: true, number: \"1\"}\n",
                "numbers slot 3: an erased slot holds nothing else"},
        Refused{"AlwaysWithPeriod",
                kNumbers +
                    "  - {slot: 3, number: \"1\", always: true, from: \"2026-01-01 08:00\"}\n",
                "numbers slot 3: an entry valid always has no from or until"},
        Refused{"NoPeriod", kNumbers + "  - {slot: 3, number: \"1\"}\n",
                "line 4: numbers slot 3: needs always: true, or from and until"},
        Refused{
            "DateOnly",
            kNumbers +
                "  - {slot: 3, number: \"1\", from: \"2026-01-01\", until: \"2026-02-01 08:00\"}\n",
            "numbers slot 3: needs always: true, or from and until"},
        Refused{"MonthThirteen",
                kNumbers + "  - {slot: 3, number: \"1\", from: \"2026-13-01 08:00\", until: "
                           "\"2026-12-01 08:00\"}\n",
                "numbers slot 3: start month 13 is not 1 to 12"},
        Refused{"NotADate", kNumbers + "  - {slot: 3, number: \"1\", from: \"01/01/2026 08:00\"}\n",
                "numbers slot 3.from: \"01/01/2026 08:00\" is not a date and time"},
        Refused{"LastCentury",
                kNumbers + "  - {slot: 3, number: \"1\", from: \"1999-01-01 08:00\"}\n",
                "numbers slot 3.from: year 1999 is not 2000 to 2099"},
        Refused{"NotANumberCharacter",
                kNumbers + "  - {slot: 3, number: \"12-34\", always: true}\n",
                "numbers slot 3: number"},
        Refused{"AlwaysNotABoolean", kNumbers + "  - {slot: 3, number: \"1\", always: sometimes}\n",
                "numbers slot 3.always: is not true or false"},
        Refused{"TooLarge", std::string(kHead) + "# " + std::string(kLargestFile, 'x') + "\n",
                "larger than 1 MiB"}));

TEST(ConfigKeys, EveryRowHasItsOwnKeyAndEveryLabelFindsItsItem) {
    std::set<std::string> keys;
    for (int r = settings::kFirstRow; r <= settings::kLastRow; ++r) {
        EXPECT_TRUE(keys.insert(KeyOfRow(r)).second) << KeyOfRow(r);
        EXPECT_EQ(RowOfKey(KeyOfRow(r)), r);
        if (const settings::ChoiceList* list = settings::ListAtRow(r)) {
            for (int i = 0; i < static_cast<int>(list->items.size()); ++i)
                EXPECT_EQ(ItemOfLabel(r, ItemLabel(r, i)), i) << ItemLabel(r, i);
        }
    }
}

} // namespace
} // namespace gsm::config
