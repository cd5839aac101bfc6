#include "text/CodePage.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

struct LocaleCase {
    const char* locale;
    const char* codePage;
};

class CodePageForLocaleTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(CodePageForLocaleTest, PicksTheWindowsAnsiCodePage) {
    EXPECT_EQ(gsm::CodePageForLocale(GetParam().locale), GetParam().codePage);
}

INSTANTIATE_TEST_SUITE_P(
    DoubleByte, CodePageForLocaleTest,
    ::testing::Values(LocaleCase{"zh_CN.UTF-8", "CP936"}, LocaleCase{"zh_SG", "CP936"},
                      LocaleCase{"zh", "CP936"}, LocaleCase{"zh_TW.UTF-8", "CP950"},
                      LocaleCase{"zh_HK", "CP950"}, LocaleCase{"zh_MO.UTF-8", "CP950"},
                      LocaleCase{"ja_JP.UTF-8", "CP932"}, LocaleCase{"ja_JP.eucJP", "CP932"},
                      LocaleCase{"ko_KR", "CP949"}));

INSTANTIATE_TEST_SUITE_P(
    SingleByte, CodePageForLocaleTest,
    ::testing::Values(LocaleCase{"ru_RU.UTF-8", "CP1251"}, LocaleCase{"uk_UA", "CP1251"},
                      LocaleCase{"bg_BG", "CP1251"}, LocaleCase{"sr_RS", "CP1251"},
                      LocaleCase{"sr_RS@latin", "CP1250"}, LocaleCase{"pl_PL", "CP1250"},
                      LocaleCase{"cs_CZ", "CP1250"}, LocaleCase{"hu_HU", "CP1250"},
                      LocaleCase{"el_GR", "CP1253"}, LocaleCase{"tr_TR", "CP1254"},
                      LocaleCase{"az_AZ", "CP1254"}, LocaleCase{"az_IR", "CP1256"},
                      LocaleCase{"uz_UZ", "CP1254"}, LocaleCase{"uz_UZ@cyrillic", "CP1251"},
                      LocaleCase{"he_IL", "CP1255"}, LocaleCase{"ar_EG", "CP1256"},
                      LocaleCase{"fa_IR", "CP1256"}, LocaleCase{"ur_PK", "CP1256"},
                      LocaleCase{"lt_LT", "CP1257"}, LocaleCase{"lv_LV", "CP1257"},
                      LocaleCase{"et_EE", "CP1257"}, LocaleCase{"th_TH", "CP874"},
                      LocaleCase{"vi_VN", "CP1258"}, LocaleCase{"RU_ru.utf8", "CP1251"}));

INSTANTIATE_TEST_SUITE_P(Western, CodePageForLocaleTest,
                         ::testing::Values(LocaleCase{"en_US.UTF-8", "CP1252"},
                                           LocaleCase{"de_DE", "CP1252"}, LocaleCase{"C", "CP1252"},
                                           LocaleCase{"C.UTF-8", "CP1252"},
                                           LocaleCase{"POSIX", "CP1252"}, LocaleCase{"", "CP1252"},
                                           LocaleCase{"etx_XX", "CP1252"}));

TEST(CodePageForLocaleTest, EveryNameItGivesIsKnownToIconv) {
    for (const char* locale : {"zh_CN", "zh_TW", "ja_JP", "ko_KR", "ru_RU", "pl_PL", "el_GR",
                               "tr_TR", "he_IL", "ar_EG", "lt_LT", "th_TH", "vi_VN", "en_US"}) {
        EXPECT_NO_THROW(gsm::CodePage{gsm::CodePageForLocale(locale)}) << locale;
    }
}

// Sets the locale variables for one test and puts the previous values back afterwards.
class LocaleEnvironment {
public:
    LocaleEnvironment() {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            const char* value = std::getenv(kNames[i]);
            m_saved[i] = value ? std::optional<std::string>(value) : std::nullopt;
            unsetenv(kNames[i]);
        }
    }
    ~LocaleEnvironment() {
        for (std::size_t i = 0; i < kNames.size(); ++i) {
            if (m_saved[i])
                setenv(kNames[i], m_saved[i]->c_str(), 1);
            else
                unsetenv(kNames[i]);
        }
    }
    void Set(const char* name, const char* value) { setenv(name, value, 1); }

private:
    static constexpr std::array<const char*, 3> kNames{"LC_ALL", "LC_CTYPE", "LANG"};
    std::array<std::optional<std::string>, 3> m_saved;
};

TEST(SystemCodePageTest, FollowsLcAllThenLcCtypeThenLang) {
    LocaleEnvironment env;
    EXPECT_EQ(gsm::SystemCodePage(), "CP1252");
    env.Set("LANG", "ru_RU.UTF-8");
    EXPECT_EQ(gsm::SystemCodePage(), "CP1251");
    env.Set("LC_CTYPE", "ja_JP.UTF-8");
    EXPECT_EQ(gsm::SystemCodePage(), "CP932");
    env.Set("LC_ALL", "zh_CN.UTF-8");
    EXPECT_EQ(gsm::SystemCodePage(), "CP936");
}

TEST(SystemCodePageTest, EmptyVariablesAreSkipped) {
    LocaleEnvironment env;
    env.Set("LC_ALL", "");
    env.Set("LC_CTYPE", "");
    env.Set("LANG", "el_GR");
    EXPECT_EQ(gsm::SystemCodePage(), "CP1253");
}

} // namespace
