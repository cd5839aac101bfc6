// Which ANSI code page Windows gives a language, so that device texts written on this PC are the
// bytes a Windows PC of the same language would have written.

#include "CodePage.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace gsm {
namespace {

constexpr std::string_view kWestern = "CP1252";
constexpr std::string_view kCentralEuropean = "CP1250";
constexpr std::string_view kCyrillic = "CP1251";
constexpr std::string_view kGreek = "CP1253";
constexpr std::string_view kTurkish = "CP1254";
constexpr std::string_view kHebrew = "CP1255";
constexpr std::string_view kArabic = "CP1256";
constexpr std::string_view kBaltic = "CP1257";
constexpr std::string_view kVietnamese = "CP1258";
constexpr std::string_view kThai = "CP874";
constexpr std::string_view kJapanese = "CP932";
constexpr std::string_view kSimplifiedChinese = "CP936"; // GBK
constexpr std::string_view kKorean = "CP949";
constexpr std::string_view kTraditionalChinese = "CP950"; // Big5

struct LocaleParts {
    std::string language;  // lower case, "zh"
    std::string territory; // lower case, "cn"; may be empty
    std::string modifier;  // lower case, "latin"; may be empty
};

struct LanguageCodePage {
    std::string_view language;
    std::string_view codePage;
};

// A territory or script that gives a language another code page than its usual one.
struct VariantCodePage {
    std::string_view language;
    std::string_view territory; // empty: any
    std::string_view modifier;  // empty: any
    std::string_view codePage;
};

constexpr VariantCodePage kVariants[] = {
    {"zh", "tw", "", kTraditionalChinese},
    {"zh", "hk", "", kTraditionalChinese},
    {"zh", "mo", "", kTraditionalChinese},
    {"sr", "", "latin", kCentralEuropean},
    {"uz", "", "cyrillic", kCyrillic},
    {"az", "ir", "", kArabic}, // South Azerbaijani is written in Arabic script
};

constexpr LanguageCodePage kLanguages[] = {
    {"zh", kSimplifiedChinese},
    {"ja", kJapanese},
    {"ko", kKorean},
    {"th", kThai},
    {"vi", kVietnamese},
    {"el", kGreek},
    // Central European
    {"bs", kCentralEuropean},
    {"cs", kCentralEuropean},
    {"hr", kCentralEuropean},
    {"hu", kCentralEuropean},
    {"pl", kCentralEuropean},
    {"ro", kCentralEuropean},
    {"sk", kCentralEuropean},
    {"sl", kCentralEuropean},
    {"sq", kCentralEuropean},
    {"tk", kCentralEuropean},
    // Cyrillic
    {"ba", kCyrillic},
    {"be", kCyrillic},
    {"bg", kCyrillic},
    {"ce", kCyrillic},
    {"cv", kCyrillic},
    {"kk", kCyrillic},
    {"ky", kCyrillic},
    {"mk", kCyrillic},
    {"mn", kCyrillic},
    {"os", kCyrillic},
    {"ru", kCyrillic},
    {"sah", kCyrillic},
    {"sr", kCyrillic},
    {"tg", kCyrillic},
    {"tt", kCyrillic},
    {"uk", kCyrillic},
    // Turkish, and the Turkic languages written in Latin script
    {"az", kTurkish},
    {"tr", kTurkish},
    {"uz", kTurkish},
    // Hebrew script
    {"he", kHebrew},
    {"iw", kHebrew},
    {"yi", kHebrew},
    // Arabic script
    {"ar", kArabic},
    {"ckb", kArabic},
    {"fa", kArabic},
    {"ps", kArabic},
    {"sd", kArabic},
    {"ug", kArabic},
    {"ur", kArabic},
    // Baltic
    {"et", kBaltic},
    {"lt", kBaltic},
    {"ltg", kBaltic},
    {"lv", kBaltic},
    {"sgs", kBaltic},
};

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Splits "language[_territory][.codeset][@modifier]"; the codeset is of no interest because the
// device texts follow the language, not the encoding of this machine's terminal.
LocaleParts SplitLocale(std::string_view locale) {
    LocaleParts parts;
    if (const auto at = locale.find('@'); at != std::string_view::npos) {
        parts.modifier = Lower(locale.substr(at + 1));
        locale = locale.substr(0, at);
    }
    locale = locale.substr(0, locale.find('.'));
    const auto separator = locale.find_first_of("_-");
    parts.language = Lower(locale.substr(0, separator));
    if (separator != std::string_view::npos)
        parts.territory = Lower(locale.substr(separator + 1));
    return parts;
}

bool Matches(const VariantCodePage& variant, const LocaleParts& parts) {
    return variant.language == parts.language &&
           (variant.territory.empty() || variant.territory == parts.territory) &&
           (variant.modifier.empty() || variant.modifier == parts.modifier);
}

} // namespace

std::string CodePageForLocale(std::string_view locale) {
    const LocaleParts parts = SplitLocale(locale);
    for (const auto& variant : kVariants) {
        if (Matches(variant, parts))
            return std::string(variant.codePage);
    }
    for (const auto& entry : kLanguages) {
        if (entry.language == parts.language)
            return std::string(entry.codePage);
    }
    return std::string(kWestern);
}

std::string SystemCodePage() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return CodePageForLocale(value);
    }
    return CodePageForLocale("");
}

} // namespace gsm
