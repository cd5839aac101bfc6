#include "EditRules.h"

#include "SettingsCatalogue.h"
#include "SettingsCodec.h"

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

// Texts of these rows go to the device in one- and two-byte units.
bool StoredInUnits(int r) {
    for (int page = 1; page <= kPageCount; ++page)
        for (const PageField& f : PageLayout(page))
            if (f.row == r)
                return f.encoding == Encoding::Text;
    return false;
}

// Bytes of the row's field that `utf8` takes: a text stored in units also
// takes the 0 that completes a unit begun by its last byte, which is what the
// save checks against the field.
std::size_t FieldBytesOf(int r, std::string_view utf8, const CodePage& codePage) {
    if (StoredInUnits(r))
        if (const std::optional<std::string> bytes = codePage.Encode(utf8))
            return text_units::FieldBytesNeeded(*bytes);
    return codePage.ByteLength(utf8);
}

// The longest leading run of whole characters of `text` that the field holds.
std::string FitToField(int r, const std::string& text, std::size_t limit,
                       const CodePage& codePage) {
    std::size_t kept = 0;
    while (kept < text.size()) {
        const std::size_t next = kept + ReadCodePoint(std::string_view(text).substr(kept)).length;
        if (FieldBytesOf(r, std::string_view(text).substr(0, next), codePage) > limit)
            break;
        kept = next;
    }
    return text.substr(0, kept);
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
    if (FieldBytesOf(r, asTyped, codePage) >= limit) {
        out.text = FitToField(r, out.text, limit, codePage);
        out.selectRow = RowAfterLimit(r);
    }
    out.changed = out.text != typed;
    return out;
}

} // namespace gsm::settings
