#pragma once
// The language both programs speak: the one named by --language CODE, else
// the user's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, in that order).
// "en", "C" and "POSIX" give the program's own English texts.
//
//   QCoreApplication app(argc, argv);
//   gsm::l10n::UseLanguage(gsm::l10n::ChosenLanguage(app.arguments()));
//
// The translations are built into the programs; Qt's own (the buttons of its
// dialogs, its command-line parser) are loaded from Qt's folder when present.
// Texts written into files or onto the device never pass through them.

#include <QString>
#include <QStringList>

namespace gsm::l10n {

// The value of --language CODE or --language=CODE; empty when not given.
QString LanguageOption(const QStringList& arguments);

// The language the locale variables name ("de_DE.UTF-8" gives "de_DE",
// "zh_CN:en" gives "zh_CN"); "en" when none is set.
QString LanguageFromEnvironment();

// --language when given, else the locale's.
QString ChosenLanguage(const QStringList& arguments);

// Installs the translations of `code` ("de", "de_AT", "zh_CN"; a country
// this program has no translation for falls back to the language), replacing
// those of an earlier call. Needs a QCoreApplication. True when the program's
// own translation was found; false for English and for a language it has no
// translation for, which then speaks English.
bool UseLanguage(const QString& code);

// The language of the translations UseLanguage installed last ("de",
// "zh_CN"); "en" when the program speaks English.
QString LanguageInUse();

// The text of --language for --help.
inline constexpr const char* kLanguageOptionHelp =
    QT_TRANSLATE_NOOP("Language", "Show the program in language CODE (en, de, zh_CN); by default "
                                  "the language of the user's locale.");

} // namespace gsm::l10n
