#include "ConfigReader.h"

#include "ConfigKeys.h"
#include "numbers/NumberEntry.h"
#include "settings/SettingsValidation.h"

#include <yaml-cpp/eventhandler.h>
#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <sstream>

namespace gsm::config {
namespace {

// Why the file is refused; thrown from deep in the walk and caught once.
struct Refusal {
    int line;
    std::string where;
    std::string problem;
};

int LineOf(const YAML::Node& node, int fallback) {
    const YAML::Mark mark = node.Mark();
    return mark.is_null() ? fallback : mark.line + 1;
}

[[noreturn]] void Refuse(const YAML::Node& node, int fallback, std::string where,
                         std::string problem) {
    throw Refusal{LineOf(node, fallback), std::move(where), std::move(problem)};
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// The keys of a mapping with their values, each key named once and known.
std::map<std::string, YAML::Node> KeysOf(const YAML::Node& map, int line, const std::string& where,
                                         std::initializer_list<const char*> known) {
    std::map<std::string, YAML::Node> keys;
    for (auto it = map.begin(); it != map.end(); ++it) {
        const int keyLine = LineOf(it->first, line);
        if (!it->first.IsScalar())
            throw Refusal{keyLine, where, "a key must be a plain name"};
        const std::string key = it->first.Scalar();
        if (std::find_if(known.begin(), known.end(), [&](const char* k) { return key == k; }) ==
            known.end())
            throw Refusal{keyLine, where, "unknown key \"" + key + "\""};
        if (!keys.emplace(key, it->second).second)
            throw Refusal{keyLine, where, "\"" + key + "\" is given twice"};
    }
    return keys;
}

std::string Text(const YAML::Node& node, int line, const std::string& where) {
    if (node.IsNull())
        return {};
    if (!node.IsScalar())
        Refuse(node, line, where, "is not a text");
    return node.Scalar();
}

bool Flag(const YAML::Node& node, int line, const std::string& where) {
    static const std::array<const char*, 3> yes = {"true", "yes", "on"};
    static const std::array<const char*, 3> no = {"false", "no", "off"};
    std::string text = node.IsScalar() ? node.Scalar() : std::string();
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (std::find(yes.begin(), yes.end(), text) != yes.end())
        return true;
    if (std::find(no.begin(), no.end(), text) != no.end())
        return false;
    Refuse(node, line, where, "is not true or false");
}

// ---- settings ----

void ReadSetting(int r, const YAML::Node& node, int line, const CodePage& codePage,
                 Configuration& config) {
    const std::string where = std::string("settings.") + KeyOfRow(r);
    const settings::SettingMember& m = settings::MemberOfRow(r);
    settings::DeviceSettings& s = config.settings;
    if (m.text) {
        s.*m.text = Text(node, line, where);
    } else if (m.number) {
        const std::string text = Text(node, line, where);
        if (node.IsNull())
            s.*m.number = std::nullopt;
        else if (!AllDigits(text) || text.size() > 5 || std::stoul(text) > settings::kUnsetNumber)
            Refuse(node, line, where, "\"" + text + "\" is not a number from 0 to 65535");
        else
            s.*m.number = static_cast<std::uint16_t>(std::stoul(text));
    } else {
        const std::string text = Text(node, line, where);
        if (node.IsNull())
            s.*m.list = settings::kNoSelection;
        else if (AllDigits(text) && text.size() <= 3)
            s.*m.list = std::stoi(text);
        else if (const auto item = ItemOfLabel(r, text))
            s.*m.list = *item;
        else
            Refuse(node, line, where, "\"" + text + "\" is not one of " + LabelsOf(r));
    }
    if (auto problem = settings::SettingProblem(r, s, codePage))
        Refuse(node, line, where, *problem);
    config.named[static_cast<std::size_t>(r)] = true;
}

void ReadSettings(const YAML::Node& node, int line, const CodePage& codePage,
                  Configuration& config) {
    if (node.IsNull())
        return;
    if (!node.IsMap())
        Refuse(node, line, "settings", "is not a mapping of setting names to values");
    std::set<std::string> seen;
    for (auto it = node.begin(); it != node.end(); ++it) {
        const int keyLine = LineOf(it->first, line);
        const std::string key = it->first.IsScalar() ? it->first.Scalar() : std::string();
        const std::optional<int> r = RowOfKey(key);
        if (!r)
            throw Refusal{keyLine, "settings", "unknown setting \"" + key + "\""};
        if (!seen.insert(key).second)
            throw Refusal{keyLine, "settings", "\"" + key + "\" is given twice"};
        ReadSetting(*r, it->second, keyLine, codePage, config);
    }
}

// ---- numbers ----

// "2026-01-01 08:00", "2026-01-01" or "08:00".
numbers::PeriodEnd PeriodEndOf(const YAML::Node& node, int line, const std::string& where) {
    const std::string text = Text(node, line, where);
    const auto refuse = [&] {
        Refuse(node, line, where,
               "\"" + text + "\" is not a date and time such as \"2026-01-31 18:00\"");
    };
    const auto number = [&](std::size_t at, std::size_t width) {
        const std::string part = text.substr(at, width);
        if (!AllDigits(part))
            refuse();
        return std::stoi(part);
    };
    numbers::PeriodEnd end;
    std::size_t timeAt = 0;
    if (text.size() >= 10 && text[4] == '-' && text[7] == '-') {
        const int year = number(0, 4);
        if (year < 2000 || year > 2255)
            Refuse(node, line, where, "year " + std::to_string(year) + " is not 2000 to 2099");
        end.date = numbers::DeviceDate{static_cast<std::uint8_t>(year - 2000),
                                       static_cast<std::uint8_t>(number(5, 2)),
                                       static_cast<std::uint8_t>(number(8, 2))};
        if (text.size() == 10)
            return end;
        if (text[10] != ' ')
            refuse();
        timeAt = 11;
    }
    if (text.size() != timeAt + 5 || text[timeAt + 2] != ':')
        refuse();
    end.time = numbers::DeviceTime{static_cast<std::uint8_t>(number(timeAt, 2)),
                                   static_cast<std::uint8_t>(number(timeAt + 3, 2))};
    return end;
}

int SlotOf(const std::map<std::string, YAML::Node>& keys, int line, const std::string& where) {
    const auto slot = keys.find("slot");
    if (slot == keys.end())
        throw Refusal{line, where, "needs a slot (1 to 1000)"};
    const std::string text = Text(slot->second, line, where + ".slot");
    if (!AllDigits(text) || text.size() > 4 || std::stoi(text) < 1 || std::stoi(text) > kSlots)
        Refuse(slot->second, line, where + ".slot",
               "\"" + text + "\" is not a slot from 1 to 1000");
    return std::stoi(text);
}

numbers::NumberEntry EntryOf(const std::map<std::string, YAML::Node>& keys, int line,
                             const std::string& where) {
    numbers::NumberEntry entry;
    const auto at = [&](const char* key) { return keys.find(key); };
    if (at("erased") != keys.end() && Flag(at("erased")->second, line, where + ".erased")) {
        if (keys.size() > 2)
            throw Refusal{line, where, "an erased slot holds nothing else"};
        entry.erased = true;
        return entry;
    }
    if (at("number") == keys.end())
        throw Refusal{line, where, "needs a number (leave the slot out to keep it empty)"};
    entry.number = Text(at("number")->second, line, where + ".number");
    if (entry.number.empty())
        Refuse(at("number")->second, line, where + ".number",
               "is empty (leave the slot out to keep it empty)");
    if (at("always") != keys.end())
        entry.always = Flag(at("always")->second, line, where + ".always");
    const bool period = at("from") != keys.end() || at("until") != keys.end();
    if (entry.always && period)
        throw Refusal{line, where, "an entry valid always has no from or until"};
    if (at("from") != keys.end())
        entry.start = PeriodEndOf(at("from")->second, line, where + ".from");
    if (at("until") != keys.end())
        entry.end = PeriodEndOf(at("until")->second, line, where + ".until");
    const numbers::EntryCheck check = numbers::ValidateNumberEntry(entry);
    if (check.wrongValue)
        throw Refusal{line, where, *check.wrongValue};
    if (check.periodIncomplete)
        throw Refusal{line, where, "needs always: true, or from and until, each a date and a time"};
    return entry;
}

void ReadNumbers(const YAML::Node& node, int line, Configuration& config) {
    if (!node.IsSequence())
        Refuse(node, line, "numbers",
               "is not a list of entries (give [] for an empty list, or leave \"numbers\" out to "
               "keep the device's list)");
    if (node.size() > static_cast<std::size_t>(kSlots))
        Refuse(node, line, "numbers", "names more than 1000 slots");
    numbers::NumberList list(kSlots);
    std::map<int, int> lineOfSlot;
    int index = 0;
    for (const YAML::Node& item : node) {
        ++index;
        const int itemLine = LineOf(item, line);
        std::string where = "numbers entry " + std::to_string(index);
        if (!item.IsMap())
            throw Refusal{itemLine, where, "is not a mapping such as {slot: 1, number: \"...\"}"};
        const auto keys =
            KeysOf(item, itemLine, where, {"slot", "number", "erased", "always", "from", "until"});
        const int slot = SlotOf(keys, itemLine, where);
        where = "numbers slot " + std::to_string(slot);
        if (const auto [taken, fresh] = lineOfSlot.emplace(slot, itemLine); !fresh)
            throw Refusal{itemLine, where,
                          "is named twice (first on line " + std::to_string(taken->second) + ")"};
        list[static_cast<std::size_t>(slot - 1)] = EntryOf(keys, itemLine, where);
    }
    config.numbers = std::move(list);
}

Configuration ReadDocument(const YAML::Node& root, const CodePage& codePage) {
    if (!root.IsMap())
        Refuse(root, 1, "format", std::string("is not \"") + kFormat + "\"");
    const auto keys = KeysOf(root, 1, "document", {"format", "version", "settings", "numbers"});
    const auto format = keys.find("format");
    if (format == keys.end() || !format->second.IsScalar() || format->second.Scalar() != kFormat)
        throw Refusal{format == keys.end() ? 1 : LineOf(format->second, 1), "format",
                      std::string("is not \"") + kFormat + "\""};
    const auto version = keys.find("version");
    if (version == keys.end() || !version->second.IsScalar() ||
        version->second.Scalar() != std::to_string(kVersion))
        throw Refusal{version == keys.end() ? 1 : LineOf(version->second, 1), "version",
                      "is not " + std::to_string(kVersion) + ", the version this program reads"};
    Configuration config;
    if (const auto s = keys.find("settings"); s != keys.end())
        ReadSettings(s->second, LineOf(s->second, 1), codePage, config);
    if (const auto n = keys.find("numbers"); n != keys.end())
        ReadNumbers(n->second, LineOf(n->second, 1), config);
    return config;
}

// Receives a document's events and keeps nothing.
class IgnoredEvents : public YAML::EventHandler {
public:
    void OnDocumentStart(const YAML::Mark&) override {}
    void OnDocumentEnd() override {}
    void OnNull(const YAML::Mark&, YAML::anchor_t) override {}
    void OnAlias(const YAML::Mark&, YAML::anchor_t) override {}
    void OnScalar(const YAML::Mark&, const std::string&, YAML::anchor_t,
                  const std::string&) override {}
    void OnSequenceStart(const YAML::Mark&, const std::string&, YAML::anchor_t,
                         YAML::EmitterStyle::value) override {}
    void OnSequenceEnd() override {}
    void OnMapStart(const YAML::Mark&, const std::string&, YAML::anchor_t,
                    YAML::EmitterStyle::value) override {}
    void OnMapEnd() override {}
};

// 0, 1, or 2 for two or more. yaml-cpp's own LoadAll never ends on some
// malformed streams (one that begins with ","), whose parser keeps reporting
// another document without reading on, so the count stops at two.
int DocumentsUpToTwo(const std::string& text) {
    std::istringstream in(text);
    YAML::Parser parser(in);
    IgnoredEvents events;
    int documents = 0;
    while (documents < 2 && parser.HandleNextDocument(events))
        ++documents;
    return documents;
}

std::string ErrorText(int line, const std::string& where, const std::string& problem) {
    return "line " + std::to_string(line) + ": " + (where.empty() ? "" : where + ": ") + problem;
}

} // namespace

ReadResult ReadConfiguration(std::string_view text, const CodePage& codePage) {
    if (text.size() > kLargestFile)
        return {std::nullopt, "the file is larger than 1 MiB"};
    try {
        const std::string whole(text);
        const int documents = DocumentsUpToTwo(whole);
        if (documents != 1)
            return {std::nullopt, documents == 0
                                      ? std::string("the file holds no document")
                                      : std::string("the file holds more than one document; a "
                                                    "configuration is one")};
        return {ReadDocument(YAML::Load(whole), codePage), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, ErrorText(refusal.line, refusal.where, refusal.problem)};
    } catch (const YAML::Exception& error) {
        return {std::nullopt,
                ErrorText(error.mark.is_null() ? 1 : error.mark.line + 1, {}, error.msg)};
    }
}

} // namespace gsm::config
