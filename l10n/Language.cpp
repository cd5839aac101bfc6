#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

// The translations are built into the library; a static library's
// resources are registered by hand (outside any namespace, as Qt's macro
// declares its function where it stands).
static void RegisterTranslations() {
    Q_INIT_RESOURCE(gsm_translations);
}

namespace gsm::l10n {
namespace {

const QString kOption = QStringLiteral("--language");

// "de_DE.UTF-8@euro" -> "de_DE"; "C", "POSIX" and "" -> "".
QString LocaleName(QString value) {
    value = value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
    if (value == QLatin1String("C") || value == QLatin1String("POSIX"))
        return {};
    return value;
}

bool IsEnglish(const QString& code) {
    return code.isEmpty() || code == QLatin1String("en") || code.startsWith(QLatin1String("en_")) ||
           code.startsWith(QLatin1String("en-"));
}

QString& InUse() {
    static QString language = QStringLiteral("en");
    return language;
}

std::vector<std::unique_ptr<QTranslator>>& Installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void RemoveInstalled() {
    for (const std::unique_ptr<QTranslator>& translator : Installed())
        QCoreApplication::removeTranslator(translator.get());
    Installed().clear();
}

bool Install(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator.get()))
        return false;
    Installed().push_back(std::move(translator));
    return true;
}

} // namespace

QString LanguageOption(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            break;
        if (argument == kOption && i + 1 < arguments.size())
            return arguments[i + 1];
        if (argument.startsWith(kOption + QLatin1Char('=')))
            return argument.mid(kOption.size() + 1);
    }
    return {};
}

QString LanguageFromEnvironment() {
    // LANGUAGE is a list in order of preference; the first entry decides.
    const QString list = qEnvironmentVariable("LANGUAGE");
    if (const QString first = LocaleName(list.section(QLatin1Char(':'), 0, 0)); !first.isEmpty())
        return first;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return LocaleName(value).isEmpty() ? QStringLiteral("en") : LocaleName(value);
    }
    return QStringLiteral("en");
}

QString ChosenLanguage(const QStringList& arguments) {
    const QString option = LanguageOption(arguments);
    return option.isEmpty() ? LanguageFromEnvironment() : option;
}

bool UseLanguage(const QString& code) {
    RegisterTranslations();
    RemoveInstalled();
    InUse() = QStringLiteral("en");
    const QString name = LocaleName(code).replace(QLatin1Char('-'), QLatin1Char('_'));
    if (IsEnglish(name))
        return false;
    const QLocale locale(name);
    if (locale.language() == QLocale::C)
        return false;
    // A country's own file first, then the language's: QTranslator::load
    // tries "gsmgate_de_AT", then "gsmgate_de".
    const bool own = Install(locale, QStringLiteral("gsmgate"), QStringLiteral(":/i18n"));
    if (!own)
        return false;
    InUse() = Installed().front()->language().replace(QLatin1Char('-'), QLatin1Char('_'));
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

QString LanguageInUse() {
    return InUse();
}

} // namespace gsm::l10n
