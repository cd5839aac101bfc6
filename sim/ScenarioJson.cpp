#include "ScenarioJson.h"

#include "HistoryCodec.h"
#include "NumberCodec.h"
#include "Scenario.h"
#include "SettingsCodec.h"
#include "files/FileWrite.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace gsm::sim {

namespace {

// ---- writing ---------------------------------------------------------------

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u > 0x7E) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The members of one object in the order they are added (a QJsonObject would
// sort them, which reads badly for a record).
class OrderedObject {
public:
    OrderedObject& Str(const char* key, std::string_view value) { return Add(key, Quoted(value)); }
    OrderedObject& Int(const char* key, long long value) { return Add(key, std::to_string(value)); }
    OrderedObject& Bool(const char* key, bool value) { return Add(key, value ? "true" : "false"); }
    OrderedObject& Null(const char* key) { return Add(key, "null"); }
    OrderedObject& Raw(const char* key, std::string rendered) {
        return Add(key, std::move(rendered));
    }

    std::string OneLine() const {
        std::string out = "{";
        for (std::size_t i = 0; i < m_members.size(); ++i)
            out += (i ? ", " : "") + m_members[i];
        return out + "}";
    }
    std::string Block(const std::string& indent) const {
        std::string out = "{\n";
        for (std::size_t i = 0; i < m_members.size(); ++i)
            out += indent + "  " + m_members[i] + (i + 1 < m_members.size() ? ",\n" : "\n");
        return out + indent + "}";
    }

private:
    OrderedObject& Add(const char* key, std::string rendered) {
        m_members.push_back(Quoted(key) + ": " + rendered);
        return *this;
    }
    std::vector<std::string> m_members;
};

std::string ListBlock(const std::vector<std::string>& items) {
    if (items.empty())
        return "[]";
    std::string out = "[\n";
    for (std::size_t i = 0; i < items.size(); ++i)
        out += "    " + items[i] + (i + 1 < items.size() ? ",\n" : "\n");
    return out + "  ]";
}

std::string Hex(std::span<const std::uint8_t> bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (auto b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 0xF];
    }
    return out;
}

std::string Format(const char* pattern, auto... values) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::string StampText(const NumberStamp& s) {
    return Format("%04d-%02d-%02d %02d:%02d", 2000 + s.year, s.month, s.day, s.hour, s.minute);
}

std::string ClockText(const ClockBytes& c) {
    return Format("%04d-%02d-%02d %02d:%02d:%02d", 2000 + c[0], c[1], c[2], c[3], c[4], c[5]);
}

std::string SettingsText(const DeviceMemory& memory) {
    const Page& page1 = memory.SettingsPage(1);
    const Page& page2 = memory.SettingsPage(2);
    if (!SettingsAreCanonical(page1, page2))
        return Quoted("settingsPages") + ": [\n    " + Quoted(Hex(page1)) + ",\n    " +
               Quoted(Hex(page2)) + "\n  ]";
    const DeviceSettings values = DecodeSettings(page1, page2);
    OrderedObject object;
    for (const auto& f : SettingFields()) {
        if (f.secondCopy)
            continue;
        if (f.text != nullptr)
            object.Str(f.key, values.*f.text);
        else
            object.Int(f.key, values.*f.number);
    }
    return Quoted("settings") + ": " + object.Block("  ");
}

std::string NumberLine(int slot, ConstNumberRecordBytes record) {
    OrderedObject object;
    object.Int("slot", slot);
    if (!NumberIsCanonical(record))
        return object.Str("hex", Hex(record)).OneLine();
    const NumberEntry entry = DecodeNumber(record);
    switch (entry.form) {
    case NumberEntry::Form::Erased:
        object.Bool("erased", true);
        break;
    case NumberEntry::Form::Always:
        object.Str("number", entry.number).Bool("always", true);
        break;
    case NumberEntry::Form::Period:
        object.Str("number", entry.number)
            .Str("start", StampText(entry.start))
            .Str("end", StampText(entry.end));
        break;
    case NumberEntry::Form::Empty:
        break;
    }
    return object.OneLine();
}

void AddCode(OrderedObject& object, const char* key, std::string_view name, int code) {
    if (name.empty())
        object.Int(key, code);
    else
        object.Str(key, name);
}

std::string HistoryLine(int slot, ConstHistoryRecordBytes record) {
    OrderedObject object;
    object.Int("slot", slot);
    if (!HistoryIsCanonical(record))
        return object.Str("hex", Hex(record)).OneLine();
    const HistoryEntry e = DecodeHistory(record);
    if (e.recordNumber)
        object.Int("no", *e.recordNumber);
    else
        object.Null("no");
    object.Str("date", Format("%04d-%02d-%02d", 2000 + e.year, e.month, e.day));
    object.Str("time", Format("%02d:%02d:%02d", e.hour, e.minute, e.second));
    AddCode(object, "source", SourceName(e.source), e.source);
    AddCode(object, "action", ActionName(e.action), e.action);
    object.Str("executant", e.executant).Str("content", e.content);
    return object.OneLine();
}

// ---- reading ---------------------------------------------------------------

[[noreturn]] void Fail(const QString& where, const QString& what) {
    throw ScenarioError((where.isEmpty() ? what : where + ": " + what).toStdString());
}

void CheckKeys(const QJsonObject& object, const std::set<QString>& allowed, const QString& where) {
    for (const auto& key : object.keys())
        if (!allowed.contains(key))
            Fail(where, "unknown key \"" + key + "\"");
}

int IntegerIn(const QJsonValue& value, int low, int high, const QString& where) {
    const double d = value.toDouble(std::nan(""));
    if (!value.isDouble() || d != std::floor(d) || d < low || d > high)
        Fail(where, QString("expected a whole number from %1 to %2").arg(low).arg(high));
    return static_cast<int>(d);
}

std::string PlainText(const QJsonValue& value, std::size_t maxLength, const QString& where) {
    if (!value.isString())
        Fail(where, "expected a text");
    const std::string text = value.toString().toStdString();
    if (!IsPlainText(text))
        Fail(where, "only printable ASCII characters can be given as text; use hex for others");
    if (text.size() > maxLength)
        Fail(where, QString("longer than %1 characters").arg(maxLength));
    return text;
}

template <std::size_t N>
void ReadHex(const QJsonValue& value, std::span<std::uint8_t, N> out, const QString& where) {
    QString text = value.toString();
    text.remove(QRegularExpression("\\s"));
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
    static const QRegularExpression hexDigits("^[0-9A-Fa-f]*$");
    if (!value.isString() || !hexDigits.match(text).hasMatch() || bytes.size() != qsizetype(N) ||
        text.size() != qsizetype(2 * N))
        Fail(where, QString("expected %1 hex digits").arg(2 * N));
    std::copy(bytes.begin(), bytes.end(), out.begin());
}

// "YYYY-MM-DD[ hh:mm[:ss]]" with YYYY from 2000 to 2255 and the other parts
// one byte each; returns the byte values, year as year - 2000.
std::vector<int> DateParts(const QJsonValue& value, int parts, const QString& where) {
    static const QRegularExpression pattern(
        "^(\\d{4})-(\\d{1,3})-(\\d{1,3})(?: (\\d{1,3}):(\\d{1,3})(?::(\\d{1,3}))?)?$");
    const char* shapes[] = {
        "", "", "", "YYYY-MM-DD", "", "YYYY-MM-DD hh:mm", "YYYY-MM-DD hh:mm:ss"};
    const auto match = pattern.match(value.toString());
    if (!value.isString() || !match.hasMatch() || match.lastCapturedIndex() != parts)
        Fail(where, QString("expected \"%1\"").arg(shapes[parts]));
    std::vector<int> out;
    for (int i = 1; i <= parts; ++i) {
        int v = match.captured(i).toInt();
        if (i == 1)
            v -= 2000;
        if (v < 0 || v > 255)
            Fail(where, i == 1 ? "the year must lie from 2000 to 2255" : "a part exceeds 255");
        out.push_back(v);
    }
    return out;
}

std::vector<int> TimeParts(const QJsonValue& value, const QString& where) {
    static const QRegularExpression pattern("^(\\d{1,3}):(\\d{1,3}):(\\d{1,3})$");
    const auto match = pattern.match(value.toString());
    if (!value.isString() || !match.hasMatch())
        Fail(where, "expected \"hh:mm:ss\"");
    std::vector<int> out;
    for (int i = 1; i <= 3; ++i) {
        const int v = match.captured(i).toInt();
        if (v > 255)
            Fail(where, "a part exceeds 255");
        out.push_back(v);
    }
    return out;
}

NumberStamp ReadStamp(const QJsonValue& value, const QString& where) {
    const auto p = DateParts(value, 5, where);
    return {p[0], p[1], p[2], p[3], p[4]};
}

QJsonObject ObjectAt(const QJsonValue& value, const QString& where) {
    if (!value.isObject())
        Fail(where, "expected an object");
    return value.toObject();
}

QJsonArray ArrayAt(const QJsonValue& value, const QString& where) {
    if (!value.isArray())
        Fail(where, "expected a list");
    return value.toArray();
}

int ReadSlot(const QJsonObject& object, int slotCount, std::set<int>& seen, const QString& where) {
    if (!object.contains("slot"))
        Fail(where, "\"slot\" missing");
    const int slot = IntegerIn(object["slot"], 1, slotCount, where + ".slot");
    if (!seen.insert(slot).second)
        Fail(where, QString("slot %1 given twice").arg(slot));
    return slot;
}

bool IsTrue(const QJsonValue& value, const QString& where) {
    if (!value.isBool())
        Fail(where, "expected true or false");
    return value.toBool();
}

void ReadSettings(const QJsonValue& value, DeviceMemory& memory) {
    const QJsonObject object = ObjectAt(value, "settings");
    std::set<QString> keys;
    for (const auto& f : SettingFields())
        keys.insert(f.key);
    CheckKeys(object, keys, "settings");
    DeviceSettings settings = FactorySettings();
    for (const auto& f : SettingFields()) {
        if (!object.contains(f.key) || f.secondCopy)
            continue;
        const QString where = QString("settings.") + f.key;
        if (f.text != nullptr)
            settings.*f.text = PlainText(object[f.key], f.field.width, where);
        else
            settings.*f.number =
                IntegerIn(object[f.key], 0, f.field.width == 1 ? 0xFF : 0xFFFF, where);
    }
    EncodeSettings(settings, memory.SettingsPage(1), memory.SettingsPage(2));
}

void ReadSettingsPages(const QJsonValue& value, DeviceMemory& memory) {
    const QJsonArray pages = ArrayAt(value, "settingsPages");
    if (pages.size() != addr::kSettingsPages)
        Fail("settingsPages", "expected 2 pages");
    for (int p = 1; p <= addr::kSettingsPages; ++p)
        ReadHex(pages[p - 1], std::span<std::uint8_t, addr::kPageSize>(memory.SettingsPage(p)),
                QString("settingsPages[%1]").arg(p - 1));
}

void ReadNumber(const QJsonObject& object, NumberRecordBytes out, const QString& where) {
    if (object.contains("hex")) {
        CheckKeys(object, {"slot", "hex"}, where);
        ReadHex(object["hex"], out, where + ".hex");
        return;
    }
    NumberEntry entry;
    if (object.contains("erased")) {
        CheckKeys(object, {"slot", "erased"}, where);
        entry.form = IsTrue(object["erased"], where + ".erased") ? NumberEntry::Form::Erased
                                                                 : NumberEntry::Form::Empty;
        EncodeNumber(entry, out);
        return;
    }
    CheckKeys(object, {"slot", "number", "always", "start", "end"}, where);
    entry.number = PlainText(object["number"], 22, where + ".number");
    const bool always = object.contains("always") && IsTrue(object["always"], where + ".always");
    if (always) {
        if (object.contains("start") || object.contains("end"))
            Fail(where, "an Always entry has no \"start\" or \"end\"");
        entry.form = NumberEntry::Form::Always;
    } else {
        if (!object.contains("start") || !object.contains("end"))
            Fail(where, "give \"always\": true or both \"start\" and \"end\"");
        entry.form = NumberEntry::Form::Period;
        entry.start = ReadStamp(object["start"], where + ".start");
        entry.end = ReadStamp(object["end"], where + ".end");
    }
    EncodeNumber(entry, out);
}

int ReadCode(const QJsonValue& value, std::optional<int> (*byName)(std::string_view),
             const QString& where) {
    if (value.isString()) {
        const auto code = byName(value.toString().toStdString());
        if (!code)
            Fail(where, "unknown name \"" + value.toString() + "\"; give the code as a number");
        return *code;
    }
    return IntegerIn(value, 0, 255, where);
}

void ReadHistory(const QJsonObject& object, HistoryRecordBytes out, const QString& where) {
    if (object.contains("hex")) {
        CheckKeys(object, {"slot", "hex"}, where);
        ReadHex(object["hex"], out, where + ".hex");
        return;
    }
    CheckKeys(object, {"slot", "no", "date", "time", "source", "action", "executant", "content"},
              where);
    for (const char* key : {"no", "date", "time", "source", "action"})
        if (!object.contains(key))
            Fail(where, QString("\"%1\" missing").arg(key));
    HistoryEntry e;
    if (!object["no"].isNull())
        e.recordNumber = static_cast<std::int32_t>(
            IntegerIn(object["no"], std::numeric_limits<std::int32_t>::min(),
                      std::numeric_limits<std::int32_t>::max(), where + ".no"));
    const auto date = DateParts(object["date"], 3, where + ".date");
    if (date[0] == 0)
        Fail(where + ".date", "the year 2000 marks an empty record; leave the slot out instead");
    const auto time = TimeParts(object["time"], where + ".time");
    e.year = date[0];
    e.month = date[1];
    e.day = date[2];
    e.hour = time[0];
    e.minute = time[1];
    e.second = time[2];
    e.source = ReadCode(object["source"], &SourceCode, where + ".source");
    e.action = ReadCode(object["action"], &ActionCode, where + ".action");
    if (object.contains("executant"))
        e.executant = PlainText(object["executant"], 22, where + ".executant");
    if (object.contains("content"))
        e.content = PlainText(object["content"], 41, where + ".content");
    EncodeHistory(e, out);
}

ClockBytes ReadClock(const QJsonValue& value) {
    const auto p = DateParts(value, 6, "clock");
    ClockBytes clock{};
    for (std::size_t i = 0; i < clock.size(); ++i)
        clock[i] = static_cast<std::uint8_t>(p[i]);
    return clock;
}

} // namespace

namespace scenario_json {

QByteArray Write(const DeviceState& state) {
    const DeviceMemory& memory = state.memory;
    std::vector<std::string> numbers;
    for (int slot = 1; slot <= kNumberSlots; ++slot) {
        const auto record = memory.NumberRecord(slot);
        if (!AllBytesAre(record, kClearedByte))
            numbers.push_back(NumberLine(slot, record));
    }
    std::vector<std::string> history;
    for (int slot = 1; slot <= kHistorySlots; ++slot) {
        const auto record = memory.HistoryRecord(slot);
        if (!AllBytesAre(record, kClearedByte))
            history.push_back(HistoryLine(slot, record));
    }
    std::string out = "{\n";
    out += "  \"format\": " + Quoted(kFormatName) + ",\n";
    out += "  \"version\": " + std::to_string(kVersion) + ",\n";
    out += "  \"clock\": " + (state.clock ? Quoted(ClockText(*state.clock)) : "null") + ",\n";
    out += "  " + SettingsText(memory) + ",\n";
    out += "  \"numbers\": " + ListBlock(numbers) + ",\n";
    out += "  \"history\": " + ListBlock(history) + "\n";
    out += "}\n";
    return QByteArray::fromStdString(out);
}

DeviceState Read(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        Fail("",
             QString("not valid JSON at offset %1: %2").arg(error.offset).arg(error.errorString()));
    if (!document.isObject())
        Fail("", "expected a JSON object");
    const QJsonObject top = document.object();
    CheckKeys(
        top, {"format", "version", "clock", "settings", "settingsPages", "numbers", "history"}, "");
    if (top.contains("format") && top["format"].toString() != kFormatName)
        Fail("format", QString("expected \"%1\"").arg(kFormatName));
    if (top.contains("version"))
        IntegerIn(top["version"], kVersion, kVersion, "version");
    if (top.contains("settings") && top.contains("settingsPages"))
        Fail("", "give \"settings\" or \"settingsPages\", not both");

    DeviceState state = Scenario::Factory();
    if (top.contains("clock") && !top["clock"].isNull())
        state.clock = ReadClock(top["clock"]);
    if (top.contains("settings"))
        ReadSettings(top["settings"], state.memory);
    if (top.contains("settingsPages"))
        ReadSettingsPages(top["settingsPages"], state.memory);

    std::set<int> seen;
    const QJsonArray numbers =
        top.contains("numbers") ? ArrayAt(top["numbers"], "numbers") : QJsonArray{};
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const QString where = QString("numbers[%1]").arg(i);
        const QJsonObject object = ObjectAt(numbers[i], where);
        const int slot = ReadSlot(object, kNumberSlots, seen, where);
        ReadNumber(object, state.memory.NumberRecord(slot), where);
    }
    seen.clear();
    const QJsonArray history =
        top.contains("history") ? ArrayAt(top["history"], "history") : QJsonArray{};
    for (qsizetype i = 0; i < history.size(); ++i) {
        const QString where = QString("history[%1]").arg(i);
        const QJsonObject object = ObjectAt(history[i], where);
        const int slot = ReadSlot(object, kHistorySlots, seen, where);
        ReadHistory(object, state.memory.HistoryRecord(slot), where);
    }
    return state;
}

DeviceState ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ScenarioError(("cannot read " + path + ": " + file.errorString()).toStdString());
    try {
        return Read(file.readAll());
    } catch (const ScenarioError& e) {
        throw ScenarioError(path.toStdString() + ": " + e.what());
    }
}

void WriteFile(const DeviceState& state, const QString& path) {
    // The memory holds the device's password and GPRS credentials.
    QString failure;
    if (!files::WriteWholeFile(path, Write(state), &failure))
        throw ScenarioError(("cannot write " + path + ": " + failure).toStdString());
}

} // namespace scenario_json

DeviceState LoadScenario(const QString& nameOrPath) {
    if (auto builtIn = Scenario::BuiltIn(nameOrPath.toStdString()))
        return std::move(*builtIn);
    return scenario_json::ReadFile(nameOrPath);
}

} // namespace gsm::sim
