#include "EditRules.h"

#include "SettingsCatalogue.h"

namespace gsm::settings {
namespace {

struct Refused {
    std::string kept;
    std::optional<char32_t> first;
};

// `text` without the characters the code page cannot hold.
Refused WithoutUnencodable(const std::string& text, const CodePage& codePage) {
    if (!codePage.FirstUnencodable(text))
        return {text, std::nullopt};
    Refused result;
    std::string_view rest = text;
    while (!rest.empty()) {
        const CodePointRead c = ReadCodePoint(rest);
        const std::string_view one = rest.substr(0, c.length);
        if (codePage.Encode(one))
            result.kept.append(one);
        else if (!result.first)
            result.first = c.value;
        rest.remove_prefix(c.length);
    }
    return result;
}

// Start of the last UTF-8 character of a non-empty text.
std::size_t LastCharacterStart(const std::string& text) {
    std::size_t i = text.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
        --i;
    return i;
}

bool EndsInDigit(const std::string& text) {
    return text.back() >= '0' && text.back() <= '9';
}

} // namespace

int RowAfterLimit(int r) {
    return r == kLastRow ? r - 1 : r + 1;
}

EditOutcome ApplyEditRules(int r, const std::string& typed, const CodePage& codePage) {
    const SettingRow& setting = RowInfo(r);
    EditOutcome out;
    // A list stands over this cell: nothing typed stays, and the user moves on.
    if (setting.kind == Kind::List) {
        out.changed = !typed.empty();
        out.selectRow = r + 1;
        return out;
    }

    Refused checked = WithoutUnencodable(typed, codePage);
    if (checked.first)
        out.refusal = UnencodableMessage(*checked.first, codePage.Name());
    const std::string asTyped = std::move(checked.kept);
    out.text = asTyped;

    // Only the character just typed is tested; one placed elsewhere stays.
    if (setting.kind == Kind::Digits && !out.text.empty() && !EndsInDigit(out.text))
        out.text.erase(LastCharacterStart(out.text));

    // The limit counts what was typed, even a character the step above took out again.
    const auto limit = static_cast<std::size_t>(setting.limit);
    if (codePage.ByteLength(asTyped) >= limit) {
        out.text = codePage.TruncateToBytes(out.text, limit);
        out.selectRow = RowAfterLimit(r);
    }
    out.changed = out.text != typed;
    return out;
}

} // namespace gsm::settings
