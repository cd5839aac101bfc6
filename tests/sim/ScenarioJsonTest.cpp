// Scenario files: what a user writes becomes the right bytes, and a dump
// read back gives the very same device.

#include "sim/ScenarioJson.h"
#include "SimTestSupport.h"
#include "sim/HistoryCodec.h"
#include "sim/NumberCodec.h"
#include "sim/Scenario.h"
#include "sim/SettingsCodec.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace gsm;
using namespace gsm::sim;
using namespace gsm::sim::test;

namespace {

template <std::size_t N> Bytes RecordBytes(std::span<const std::uint8_t, N> record) {
    return Bytes(record.begin(), record.end());
}

std::string DumpOf(const DeviceState& state) {
    return scenario_json::Write(state).toStdString();
}

DeviceState ReadText(const std::string& json) {
    return scenario_json::Read(QByteArray::fromStdString(json));
}

// The message of the ScenarioError that reading json raises.
std::string ErrorOf(const std::string& json) {
    try {
        ReadText(json);
    } catch (const ScenarioError& e) {
        return e.what();
    }
    return "(accepted)";
}

} // namespace

TEST(ScenarioJson, BuiltInScenariosSurviveADumpAndRead) {
    for (const auto name : Scenario::BuiltInNames()) {
        const DeviceState state = *Scenario::BuiltIn(name);
        EXPECT_EQ(ReadText(DumpOf(state)), state) << name;
    }
}

TEST(ScenarioJson, TheBusyDumpIsDecodedFieldsNotHex) {
    const std::string dump = DumpOf(Scenario::Busy());
    EXPECT_NE(dump.find("\"settings\": {\n    \"password\": \"7145\","), std::string::npos);
    EXPECT_NE(dump.find("{\"slot\": 4, \"number\": \"+8646724124675\", \"always\": true}"),
              std::string::npos);
    EXPECT_NE(dump.find("{\"slot\": 11, \"erased\": true}"), std::string::npos);
    EXPECT_NE(
        dump.find("{\"slot\": 9, \"no\": 9, \"date\": \"2023-01-06\", \"time\": \"22:00:38\", "
                  "\"source\": \"COM Port\", \"action\": \"Disarm\""),
        std::string::npos);
    EXPECT_NE(dump.find("{\"slot\": 123, \"no\": null,"), std::string::npos);
    EXPECT_EQ(dump.find("\"hex\""), std::string::npos);
    EXPECT_EQ(dump.find("settingsPages"), std::string::npos);
}

TEST(ScenarioJson, BytesTheFieldsCannotDescribeAreKeptAsHex) {
    DeviceState state = Scenario::Factory();
    state.memory.SettingsPage(1)[114] = 9; // timer copies differ
    auto number = state.memory.NumberRecord(2);
    EncodeNumber({NumberEntry::Form::Period, "123", {20, 1, 2, 3, 4}, {21, 5, 6, 7, 8}}, number);
    number[15] = 'x'; // a byte after the number's terminator
    auto always = state.memory.NumberRecord(3);
    EncodeNumber({NumberEntry::Form::Always, "99", {}, {}}, always);
    always[30] = 0x63; // Always by its period bytes, but not in the written form
    auto history = state.memory.HistoryRecord(7);
    EncodeHistory(HistoryEntry{1, 24, 1, 2, 3, 4, 5, 1, 2, "+1", "ab"}, history);
    history[34] = 0xC4;                   // a double-byte character
    history[100] = 1;                     // a byte nobody reads
    state.memory.HistoryRecord(8)[9] = 5; // year 0 but not cleared
    state.clock = ClockBytes{26, 5, 1, 12, 30, 45};

    const std::string dump = DumpOf(state);
    EXPECT_NE(dump.find("\"settingsPages\": ["), std::string::npos);
    EXPECT_NE(dump.find("{\"slot\": 2, \"hex\": \"313233"), std::string::npos);
    EXPECT_NE(dump.find("{\"slot\": 3, \"hex\": "), std::string::npos);
    EXPECT_NE(dump.find("{\"slot\": 7, \"hex\": "), std::string::npos);
    EXPECT_NE(dump.find("{\"slot\": 8, \"hex\": "), std::string::npos);
    EXPECT_NE(dump.find("\"clock\": \"2026-05-01 12:30:45\""), std::string::npos);
    EXPECT_EQ(ReadText(dump), state);
}

TEST(ScenarioJson, AHandWrittenScenarioGivesTheLayoutsBytes) {
    const DeviceState state = ReadText(R"({
      "settings": {"password": "1234", "serverPort": 8080},
      "numbers": [
        {"slot": 5, "number": "+15555550100", "start": "2015-03-05 08:30", "end": "2016-12-31 23:59"},
        {"slot": 6, "number": "12", "always": true},
        {"slot": 1000, "erased": true}
      ],
      "history": [
        {"slot": 2, "no": 258, "date": "2015-03-07", "time": "09:05:00", "source": "SMS",
         "action": 6, "executant": "+1", "content": "a, b"},
        {"slot": 3, "no": null, "date": "2079-12-31", "time": "23:59:59", "source": 9,
         "action": "Arm"}
      ]
    })");
    const Page& p1 = state.memory.SettingsPage(1);
    EXPECT_EQ(Bytes(p1.begin(), p1.begin() + 5), Join({Text("1234"), Hex("FF")}));
    EXPECT_EQ(p1[236], 0x90);
    EXPECT_EQ(p1[237], 0x1F);
    DeviceSettings expected = FactorySettings();
    expected.password = "1234";
    expected.serverPort = 8080;
    EXPECT_EQ(DecodeSettings(state.memory), expected) << "unnamed settings keep factory values";

    EXPECT_EQ(RecordBytes(state.memory.NumberRecord(5)),
              Join({Text("+15555550100"), Repeat(0, 10), Hex("03 05 08 1E 0C 1F 17 3B 0F 10")}));
    EXPECT_EQ(RecordBytes(state.memory.NumberRecord(6)),
              Join({Text("12"), Repeat(0, 20), Repeat(0x63, 8), Hex("00 63")}));
    EXPECT_EQ(RecordBytes(state.memory.NumberRecord(1000)), Repeat(0xFF, 32));

    EXPECT_EQ(RecordBytes(state.memory.HistoryRecord(2)),
              Join({Hex("02 01 00 00 0F 03 07 09 05 00 01 06"), Text("+1"), Repeat(0, 20),
                    Text("a, b"), Repeat(0, 37), Repeat(0, 53)}));
    const Bytes third = RecordBytes(state.memory.HistoryRecord(3));
    EXPECT_EQ(Bytes(third.begin(), third.begin() + 13),
              Hex("FF FF FF FF 4F 0C 1F 17 3B 3B 09 07 00"));
    EXPECT_EQ(HistoryEntries(state.memory).size(), 2u);
}

TEST(ScenarioJson, HexPagesForTheSettings) {
    const std::string page1(512, 'A');
    const DeviceState state =
        ReadText(R"({"settingsPages": [")" + page1 + R"(", ")" + std::string(512, '0') + R"("]})");
    EXPECT_EQ(state.memory.SettingsPage(1)[0], 0xAA);
    EXPECT_EQ(state.memory.SettingsPage(2)[255], 0x00);
}

TEST(ScenarioJson, MistakesAreNamedWithTheirPlace) {
    const struct {
        const char* json;
        const char* mentions;
    } cases[] = {
        {R"({"setings": {}})", "unknown key \"setings\""},
        {R"({"settings": {"pasword": "1"}})", "settings: unknown key \"pasword\""},
        {R"({"settings": {"password": "12345"}})", "settings.password: longer than 4"},
        {R"({"settings": {"din1Type": 256}})",
         "settings.din1Type: expected a whole number from 0 to 255"},
        {R"({"settings": {"serverPort": 1.5}})", "settings.serverPort"},
        {R"({"settings": {"smsRelayOn": "caf\u00e9"}})", "printable ASCII"},
        {R"({"settings": {}, "settingsPages": []})", "not both"},
        {R"({"settingsPages": ["00", "00"]})", "settingsPages[0]: expected 512 hex digits"},
        {R"({"numbers": [{"slot": 1001, "erased": true}]})", "numbers[0].slot"},
        {R"({"numbers": [{"number": "1", "always": true}]})", "numbers[0]: \"slot\" missing"},
        {R"({"numbers": [{"slot": 1, "erased": true}, {"slot": 1, "erased": true}]})",
         "numbers[1]: slot 1 given twice"},
        {R"({"numbers": [{"slot": 1, "number": "1"}]})", "both \"start\" and \"end\""},
        {R"({"numbers": [{"slot": 1, "number": "1", "start": "2015-3-5", "end": "2016-01-01 00:00"}]})",
         "numbers[0].start: expected \"YYYY-MM-DD hh:mm\""},
        {R"({"numbers": [{"slot": 1, "number": "1", "start": "1999-01-01 00:00", "end": "2016-01-01 00:00"}]})",
         "2000 to 2255"},
        {R"({"numbers": [{"slot": 2, "hex": "00"}]})", "numbers[0].hex: expected 64 hex digits"},
        {R"({"history": [{"slot": 1, "date": "2024-01-01", "time": "00:00:00", "source": 0, "action": 0}]})",
         "history[0]: \"no\" missing"},
        {R"({"history": [{"slot": 1, "no": 1, "date": "2000-01-01", "time": "00:00:00", "source": 0, "action": 0}]})",
         "marks an empty record"},
        {R"({"history": [{"slot": 1, "no": 1, "date": "2024-01-01", "time": "00:00:00", "source": "Fax", "action": 0}]})",
         "history[0].source: unknown name \"Fax\""},
        {R"({"history": [{"slot": 1, "no": 1, "date": "2024-01-01", "time": "00:00:00", "source": 0, "action": 0, "content": "123456789012345678901234567890123456789012"}]})",
         "history[0].content: longer than 41"},
        {R"({"clock": "2026-05-01"})", "clock: expected \"YYYY-MM-DD hh:mm:ss\""},
        {R"({"version": 2})", "version"},
        {R"({"numbers": [)", "not valid JSON"},
    };
    for (const auto& c : cases)
        EXPECT_NE(ErrorOf(c.json).find(c.mentions), std::string::npos)
            << c.json << "\n  gave: " << ErrorOf(c.json);
}

TEST(ScenarioJson, LoadByNameOrFile) {
    EXPECT_EQ(LoadScenario("busy"), Scenario::Busy());
    QTemporaryDir dir;
    const QString path = dir.filePath("s.json");
    DeviceState state = Scenario::Factory();
    state.clock = ClockBytes{24, 1, 2, 3, 4, 5};
    scenario_json::WriteFile(state, path);
    EXPECT_EQ(LoadScenario(path), state);
    EXPECT_THROW(LoadScenario(dir.filePath("missing.json")), ScenarioError);
}
