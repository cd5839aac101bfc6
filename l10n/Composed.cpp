#include "Composed.h"

#include "Language.h"
#include "protocol/Translatable.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstring>
#include <vector>

namespace gsm::l10n {

namespace {

constexpr const char* kContext = "Composed";

// A message as the lower layers compose it, %1 to %9 standing for its values.
// `texts` names the values that are texts of the program themselves, shown
// in the user's language: "2" for the second.
struct Template {
    const char* source;
    const char* texts;
};

// The most particular first: the first template a message fits is the one.
// Every template here must be exactly the English its layer writes; a line
// break stands for either "\n" or the "\r" of the device's own messages.
constexpr Template kTemplates[] = {
    // Where in the configuration file.
    {QT_TRANSLATE_NOOP("Composed", "line %1: %2: %3"), "3"},
    {QT_TRANSLATE_NOOP("Composed", "line %1: %2"), "2"},
    // A setting that cannot be sent, and which one.
    {QT_TRANSLATE_NOOP("Composed", "%1\nSetting: %2"), "12"},
    {QT_TRANSLATE_NOOP("Composed", "'%1' is not a valid integer value"), ""},
    {QT_TRANSLATE_NOOP("Composed", "'%1' is outside the range 0 to %2."), ""},
    {QT_TRANSLATE_NOOP("Composed", "The password must be exactly four digits."), ""},
    {QT_TRANSLATE_NOOP("Composed", "'%1' holds characters other than \"+\" and digits."), ""},
    {QT_TRANSLATE_NOOP("Composed", "%1 is not an item of the list (0 to %2)."), ""},
    //: %1 is a number of bytes
    {QT_TRANSLATE_NOOP("Composed", "The value needs %1 bytes; the device holds at most %2."), ""},
    //: %1 is a code point such as U+001B
    {QT_TRANSLATE_NOOP("Composed", "The text holds a control character (%1)."), ""},
    //: %2 is a code point such as U+00E9, %3 a code page such as CP936
    {QT_TRANSLATE_NOOP("Composed",
                       "The character '%1' (%2) cannot be stored in the device's code page (%3)."),
     ""},
    {QT_TRANSLATE_NOOP("Composed", "profile row %1, column %2 is not text"), ""},
    {QT_TRANSLATE_NOOP("Composed", "Wrong format of the setting profile"), ""},

    // The number list: an entry, a page of the device, a save and an import.
    {QT_TRANSLATE_NOOP("Composed", "slot %1: %2"), "2"},
    {QT_TRANSLATE_NOOP("Composed", "number \"%1\" is longer than %2 characters"), ""},
    {QT_TRANSLATE_NOOP("Composed", "number \"%1\" holds characters other than \"+\" and digits"),
     ""},
    {QT_TRANSLATE_NOOP("Composed",
                       "Wrong operation:please select \"Always\" or setting the Start-End date "
                       "and time.Total:%1\nWrong serial number:%2"),
     ""},
    {QT_TRANSLATE_NOOP("Composed",
                       "Wrong number, date or time:please correct the number (\"+\" and digits, "
                       "at most 22) or the date (2000-2099/01-12/01-31) and time (00-23:00-59)."
                       "Total:%1\nWrong serial number:%2"),
     ""},
    {QT_TRANSLATE_NOOP("Composed",
                       "Wrong information on the profile,please correct it and then import "
                       "again,error:%1\nSerial: %2"),
     ""},

    // The configuration file.
    {QT_TRANSLATE_NOOP("Composed", "a key must be a plain name"), ""},
    {QT_TRANSLATE_NOOP("Composed", "unknown key \"%1\""), ""},
    {QT_TRANSLATE_NOOP("Composed", "unknown setting \"%1\""), ""},
    {QT_TRANSLATE_NOOP("Composed", "\"%1\" is given twice"), ""},
    {QT_TRANSLATE_NOOP("Composed", "is not a text"), ""},
    {QT_TRANSLATE_NOOP("Composed", "is not true or false"), ""},
    {QT_TRANSLATE_NOOP("Composed", "\"%1\" is not a number from 0 to 65535"), ""},
    //: %2 lists the items: "0", "1"
    {QT_TRANSLATE_NOOP("Composed", "\"%1\" is not one of %2"), ""},
    {QT_TRANSLATE_NOOP("Composed", "is not a mapping of setting names to values"), ""},
    {QT_TRANSLATE_NOOP("Composed", "\"%1\" is not a date and time such as \"2026-01-31 18:00\""),
     ""},
    {QT_TRANSLATE_NOOP("Composed", "year %1 is not 2000 to 2099"), ""},
    {QT_TRANSLATE_NOOP("Composed", "needs a slot (1 to 1000)"), ""},
    {QT_TRANSLATE_NOOP("Composed", "\"%1\" is not a slot from 1 to 1000"), ""},
    {QT_TRANSLATE_NOOP("Composed", "an erased slot holds nothing else"), ""},
    {QT_TRANSLATE_NOOP("Composed", "needs a number (leave the slot out to keep it empty)"), ""},
    {QT_TRANSLATE_NOOP("Composed", "is empty (leave the slot out to keep it empty)"), ""},
    {QT_TRANSLATE_NOOP("Composed", "an entry valid always has no from or until"), ""},
    {QT_TRANSLATE_NOOP("Composed", "needs always: true, or from and until, each a date and a time"),
     ""},
    {QT_TRANSLATE_NOOP("Composed",
                       "is not a list of entries (give [] for an empty list, or leave \"numbers\" "
                       "out to keep the device's list)"),
     ""},
    {QT_TRANSLATE_NOOP("Composed", "names more than 1000 slots"), ""},
    {QT_TRANSLATE_NOOP("Composed", "is not a mapping such as {slot: 1, number: \"...\"}"), ""},
    {QT_TRANSLATE_NOOP("Composed", "is named twice (first on line %1)"), ""},
    {QT_TRANSLATE_NOOP("Composed", "is not \"%1\""), ""},
    {QT_TRANSLATE_NOOP("Composed", "is not %1, the version this program reads"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the file is larger than 1 MiB"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the file holds no document"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the file holds more than one document; a configuration is one"),
     ""},
    //: %1 names the setting in the file: settings.din1_type
    {QT_TRANSLATE_NOOP(
         "Composed", "%1 as the device holds it cannot be written back (%2): name it in the file"),
     "2"},

    // Files refused.
    //: %2 is a file's kind ("a number list"), %3 and %5 what its cell A1 holds
    {QT_TRANSLATE_NOOP("Composed", "\"%1\" is %2 (%3), not %4 (%5)."), "24"},
    {QT_TRANSLATE_NOOP("Composed", "Cannot open \"%1\": %2."), "2"},
    {QT_TRANSLATE_NOOP("Composed", "Cannot save \"%1\": %2."), "2"},
    {QT_TRANSLATE_NOOP("Composed", "Cannot read %1: %2"), ""},
    {QT_TRANSLATE_NOOP("Composed", "cannot create %1: %2"), "2"},
    {QT_TRANSLATE_NOOP("Composed", "it is damaged (%1)"), "1"},
    {QT_TRANSLATE_NOOP("Composed", "the file cannot be read (%1)"), "1"},
    //: %1 is a cell such as B5
    {QT_TRANSLATE_NOOP("Composed", "cell %1 holds a formula; only typed values are read"), ""},
    //: %2: "A1:H23, the most a file of this kind uses"
    {QT_TRANSLATE_NOOP("Composed", "cell %1 lies outside %2"), "2"},
    {QT_TRANSLATE_NOOP("Composed", "its sheet claims the range %1, more than %2"), "2"},
    //: %1 is a range of cells such as A1:H23
    {QT_TRANSLATE_NOOP("Composed", "%1, the most a file of this kind uses"), ""},
    {QT_TRANSLATE_NOOP("Composed",
                       "it holds more than %1 cells, more than any file of this program"),
     ""},
    {QT_TRANSLATE_NOOP("Composed",
                       "it is larger than %1 MiB, more than any workbook of this program"),
     ""},
    {QT_TRANSLATE_NOOP("Composed", "it is not a spreadsheet workbook (.xlsx, .ods or .xls)"), ""},
    {QT_TRANSLATE_NOOP("Composed", "no workbook is open"), ""},
    {QT_TRANSLATE_NOOP("Composed", "it is not a readable zip package (%1)"), ""},
    {QT_TRANSLATE_NOOP("Composed", "it holds no workbook"), ""},
    {QT_TRANSLATE_NOOP("Composed", "it is protected by a password"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its text is in a character set that cannot be read"), ""},
    {QT_TRANSLATE_NOOP("Composed", "it needs more memory than any workbook of this program"), ""},
    {QT_TRANSLATE_NOOP("Composed",
                       "it holds more than %1 shared strings, more than any file of this program"),
     ""},
    {QT_TRANSLATE_NOOP("Composed",
                       "its shared strings hold more than %1 characters, more than any file of "
                       "this program"),
     ""},
    {QT_TRANSLATE_NOOP("Composed", "a cell holds more than %1 characters"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the file cannot be opened"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its header is not valid"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its allocation table is not valid"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its directory is not valid"), ""},
    {QT_TRANSLATE_NOOP("Composed", "a directory entry's name is too long"), ""},
    {QT_TRANSLATE_NOOP("Composed", "read error %1"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the part %1 is not well-formed XML (%2)"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the part %1 declares a document type, as no workbook does"),
     ""},
    {QT_TRANSLATE_NOOP("Composed", "the part %1 nests its elements more than %2 deep"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the part %1 expands beyond %2, as no workbook does"), ""},
    {QT_TRANSLATE_NOOP("Composed",
                       "the part %1 expands more than %2 times its compressed size, as no workbook "
                       "does"),
     ""},
    {QT_TRANSLATE_NOOP("Composed", "the part %1 is missing"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the part %1 has no readable size"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the part %1 cannot be opened"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the part %1 is damaged"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the workbook has no sheet"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the workbook has no worksheet"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the first worksheet has no part"), ""},
    {QT_TRANSLATE_NOOP("Composed", "a cell lies outside the sheet"), ""},
    {QT_TRANSLATE_NOOP("Composed", "a row lies outside the sheet"), ""},
    {QT_TRANSLATE_NOOP("Composed", "a run of spaces is not valid"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the repeat count %1 is not valid"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the number %1 is not valid"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the time %1 is not valid"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the date %1 is not valid"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the cell reference %1 is not valid"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the row number %1 is not valid"), ""},
    {QT_TRANSLATE_NOOP("Composed", "a cell names the shared string %1, which is missing"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its reader's answer is malformed"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its reader used more than %1 s of processor time"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its reader crashed, signal %1"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its reader failed, status %1"), ""},
    {QT_TRANSLATE_NOOP("Composed", "%1 is not installed"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its reader did not start: %1"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its reader wrote more than %1 MiB"), ""},
    {QT_TRANSLATE_NOOP("Composed", "its reader took more than %1 s"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the workbook cannot be made in memory"), ""},
    // Backups: restored, undone or refused.
    {QT_TRANSLATE_NOOP("Composed", "settings page %1: %2"), "2"},
    {QT_TRANSLATE_NOOP("Composed", "the backup records no write to undo"), ""},
    //: %1 and %2 are the serial numbers of USB adapters
    {QT_TRANSLATE_NOOP("Composed", "this is another device: the write went through adapter %1, "
                                   "this port is adapter %2"),
     ""},
    {QT_TRANSLATE_NOOP("Composed", "this is another device: the write left SIM number \"%1\", "
                                   "the device holds \"%2\""),
     ""},
    //: %1 is an area of the device: settings, numbers or history
    {QT_TRANSLATE_NOOP("Composed", "the %1 were not read"), "1"},
    //: %1 is an area of the device: settings, numbers or history
    {QT_TRANSLATE_NOOP("Composed",
                       "the device has changed since that write: %1 page %2 differs from what it "
                       "left"),
     "1"},
    //: %2 lists pages: "1-3, 5"
    {QT_TRANSLATE_NOOP("Composed",
                       "the device has changed since that write: %1 pages %2 differ from what it "
                       "left"),
     "1"},
    {QT_TRANSLATE_NOOP("Composed", "%1 holds %2 pages, not %3"), "1"},
    {QT_TRANSLATE_NOOP("Composed", "%1 page %2 is out of order"), "1"},
    {QT_TRANSLATE_NOOP("Composed", "%1 page %2 is not 256 bytes of hex"), "1"},
    {QT_TRANSLATE_NOOP("Composed", "%1 page %2 does not match its checksum"), "1"},
    {QT_TRANSLATE_NOOP("Composed", "the write record holds %1 %2 digests, not %3"), "2"},
    {QT_TRANSLATE_NOOP("Composed", "the write record holds a %1 digest that is no SHA-256"), "1"},
    {QT_TRANSLATE_NOOP("Composed", "the write record says nothing of what the write left"), ""},
    {QT_TRANSLATE_NOOP("Composed", "not a backup file (no JSON object)"), ""},
    {QT_TRANSLATE_NOOP("Composed", "not a backup file of this program"), ""},
    {QT_TRANSLATE_NOOP("Composed", "backup version %1 is not supported"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the backup holds no pages"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the backup holds no settings or number pages"), ""},
    {QT_TRANSLATE_NOOP("Composed", "every backup name is taken"), ""},
    // Why a file could not be written.
    {QT_TRANSLATE_NOOP("Composed", "the file being written was replaced by another"), ""},
    {QT_TRANSLATE_NOOP("Composed", "no space left on the device"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the disk quota is used up"), ""},
    {QT_TRANSLATE_NOOP("Composed", "permission denied"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the file system is read-only"), ""},
    {QT_TRANSLATE_NOOP("Composed", "input/output error on the device"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the folder does not exist"), ""},
    {QT_TRANSLATE_NOOP("Composed", "a part of the path is not a folder"), ""},
    {QT_TRANSLATE_NOOP("Composed", "it is a folder"), ""},
    {QT_TRANSLATE_NOOP("Composed", "a file of that name exists already"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the name is too long"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the file is too large for the file system"), ""},
    {QT_TRANSLATE_NOOP("Composed", "too many symbolic links"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the file is busy"), ""},
    {QT_TRANSLATE_NOOP("Composed", "the reading end was closed"), ""},
    // Last, as it would fit many a message: a part of a period out of range.
    //: "start month 13 is not 1 to 12": %1 is "start" or "end", %2 the part of the date or time
    {QT_TRANSLATE_NOOP("Composed", "%1 %2 %3 is not %4 to %5"), "12"},
};

// Words that stand in the templates' values.
[[maybe_unused]] constexpr const char* kWords[] = {
    //: the start of a period: "start month 13 is not 1 to 12"
    QT_TRANSLATE_NOOP("Composed", "start"),
    //: the end of a period: "end day 32 is not 1 to 31"
    QT_TRANSLATE_NOOP("Composed", "end"),
    QT_TRANSLATE_NOOP("Composed", "year"),
    QT_TRANSLATE_NOOP("Composed", "month"),
    QT_TRANSLATE_NOOP("Composed", "day"),
    QT_TRANSLATE_NOOP("Composed", "hour"),
    QT_TRANSLATE_NOOP("Composed", "minute"),
    //: an area of the device
    QT_TRANSLATE_NOOP("Composed", "settings"),
    //: an area of the device: the list of authorized numbers
    QT_TRANSLATE_NOOP("Composed", "numbers"),
    //: an area of the device: its history records
    QT_TRANSLATE_NOOP("Composed", "history"),
    QT_TRANSLATE_NOOP("Composed", "a settings profile"),
    QT_TRANSLATE_NOOP("Composed", "a number list"),
};

// The contexts a value that is a text of the program comes from, after the
// templates and words above: the settings' captions.
constexpr const char* kValueContexts[] = {kContext, "Settings"};

struct Recogniser {
    QRegularExpression pattern;
    const Template* source;
};

// The literal text of a template as a pattern, a line break matching either.
QString Escaped(const QString& literal) {
    return QRegularExpression::escape(literal).replace(QStringLiteral("\\\n"),
                                                       QStringLiteral("[\r\n]"));
}

QRegularExpression PatternOf(const QString& source) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QString pattern;
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        pattern += Escaped(source.mid(from, m.capturedStart() - from));
        pattern += QStringLiteral("(?<v%1>.*?)").arg(source.at(m.capturedStart() + 1));
        from = m.capturedEnd();
    }
    pattern += Escaped(source.mid(from));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<Recogniser>& Recognisers() {
    static const std::vector<Recogniser> all = [] {
        std::vector<Recogniser> made;
        for (const Template& t : kTemplates)
            made.push_back({PatternOf(QString::fromUtf8(t.source)), &t});
        return made;
    }();
    return all;
}

// `text` with each %n replaced by values[n], in one pass.
QString Filled(const QString& text, const std::vector<QString>& values) {
    QString filled;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size() && text.at(i + 1) >= QLatin1Char('1') &&
            text.at(i + 1) <= QLatin1Char('9')) {
            const auto n = static_cast<std::size_t>(text.at(i + 1).unicode() - u'0');
            if (n < values.size()) {
                filled += values[n];
                ++i;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

QString Shown(const QString& english, int depth);

// A value: a composed message itself, a word, a caption, or shown as it is.
QString ShownValue(const QString& value, int depth) {
    const QString composed = Shown(value, depth + 1);
    if (composed != value)
        return composed;
    const QByteArray source = value.toUtf8();
    for (const char* context : kValueContexts) {
        const QString shown = QCoreApplication::translate(context, source.constData());
        if (shown != value)
            return shown;
    }
    return value;
}

QString Shown(const QString& english, int depth) {
    // Messages nest a few deep at most: "Cannot open ...: it is damaged (...)".
    constexpr int kDeepest = 4;
    if (depth > kDeepest || english.isEmpty())
        return english;
    for (const Recogniser& r : Recognisers()) {
        const QRegularExpressionMatch m = r.pattern.match(english);
        if (!m.hasMatch())
            continue;
        std::vector<QString> values(10);
        for (int n = 1; n <= 9; ++n) {
            const QString name = QStringLiteral("v%1").arg(n);
            if (m.capturedStart(name) < 0)
                continue;
            const QString value = m.captured(name);
            values[static_cast<std::size_t>(n)] =
                std::strchr(r.source->texts, char('0' + n)) ? ShownValue(value, depth) : value;
        }
        QString shown = Filled(QCoreApplication::translate(kContext, r.source->source), values);
        if (english.contains(QLatin1Char('\r')) && !english.contains(QLatin1Char('\n')))
            shown.replace(QLatin1Char('\n'), QLatin1Char('\r'));
        return shown;
    }
    return english;
}

} // namespace

QString ShownComposed(const QString& english) {
    if (LanguageInUse() == QLatin1String("en"))
        return english;
    return Shown(english, 0);
}

QString ShownComposed(const std::string& english) {
    return ShownComposed(QString::fromStdString(english));
}

} // namespace gsm::l10n
