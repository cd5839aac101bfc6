#pragma once
// The program's own texts of the Qt-free tables, as the user reads them: the
// English source text looked up in the translations of its table's context.
// Only for what is shown; what goes into a file, onto the device or into the
// tool's JSON output takes the table's text as it stands.

#include <QCoreApplication>
#include <QString>

#include <string>

namespace gsm::l10n {

inline QString Shown(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

inline QString Shown(const char* context, const std::string& text) {
    return QCoreApplication::translate(context, text.c_str());
}

// A status text whose words may end in a count ("Export.csv:12/1000",
// "Records:7"): the words are looked up, the count is kept as it is.
inline QString ShownStatus(const char* context, const QString& text) {
    qsizetype words = text.size();
    while (words > 0 && (text[words - 1].isDigit() || text[words - 1] == QLatin1Char('/')))
        --words;
    if (words == 0)
        return text;
    return QCoreApplication::translate(context, text.left(words).toUtf8().constData()) +
           text.mid(words);
}

inline QString ShownStatus(const char* context, const std::string& text) {
    return ShownStatus(context, QString::fromStdString(text));
}

} // namespace gsm::l10n
