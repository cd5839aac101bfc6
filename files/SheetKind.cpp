#include "SheetKind.h"

#include "ProfileFile.h"
#include "SheetShape.h"
#include "numbers/NumberGrid.h"
#include "numbers/NumberListFiles.h"
#include "settings/SettingsCatalogue.h"
#include "settings/SettingsProfile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace gsm::files {

namespace {

struct KindFacts {
    const char* name;
    const char* header; // A1
    const SheetShape& (*shape)();
};

KindFacts FactsOf(SheetKind kind) {
    if (kind == SheetKind::SettingsProfile)
        return {"a settings profile", settings::kHeaders[settings::col::kItems], &ProfileShape};
    return {"a number list", numbers::kHeaders[numbers::col::kSerial], &NumberListShape};
}

SheetKind Other(SheetKind kind) {
    return kind == SheetKind::SettingsProfile ? SheetKind::NumberList : SheetKind::SettingsProfile;
}

QString HeaderMark(SheetKind kind) {
    return QStringLiteral("A1 \"%1\"").arg(QString::fromLatin1(FactsOf(kind).header));
}

QString WrongFormat(SheetKind expected) {
    return QString::fromLatin1(expected == SheetKind::SettingsProfile
                                   ? settings::kWrongProfileFormat
                                   : numbers::kWrongListFormat);
}

// A JSON profile of the tool's: a settings profile, though no workbook.
bool IsJsonProfile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limits::kMaxFileBytes)
        return false;
    const QByteArray bytes = file.readAll();
    if (!bytes.trimmed().startsWith('{'))
        return false;
    return QJsonDocument::fromJson(bytes).object().value(QStringLiteral("format")).toString() ==
           QLatin1String(kProfileFormat);
}

} // namespace

QString WrongKindMessage(const QString& path, SheetKind found, const QString& foundMark,
                         SheetKind expected) {
    return QStringLiteral("\"%1\" is %2 (%3), not %4 (%5).")
        .arg(QDir::toNativeSeparators(path), QString::fromLatin1(FactsOf(found).name), foundMark,
             QString::fromLatin1(FactsOf(expected).name), HeaderMark(expected));
}

KindedWorkbook OpenWorkbookOf(const QString& path, SheetKind expected) {
    const SheetKind other = Other(expected);
    Workbook book;
    if (!book.Open(path, BoundsOf(FactsOf(expected).shape()))) {
        const QString refusal = book.LastError();
        if (expected == SheetKind::NumberList && IsJsonProfile(path))
            return {std::nullopt, WrongKindMessage(path, other, QStringLiteral("JSON"), expected)};
        // Too large for the expected kind: a sheet of the other, larger kind
        // says so rather than where its cells lie.
        if (book.LastOpenOutsideBounds() && book.Open(path, BoundsOf(FactsOf(other).shape())) &&
            book.Text(1, 1) == QLatin1String(FactsOf(other).header))
            return {std::nullopt, WrongKindMessage(path, other, HeaderMark(other), expected)};
        return {std::nullopt, refusal};
    }
    const QString a1 = book.Text(1, 1);
    if (a1 == QLatin1String(FactsOf(expected).header))
        return {std::move(book), {}};
    if (a1 == QLatin1String(FactsOf(other).header))
        return {std::nullopt, WrongKindMessage(path, other, HeaderMark(other), expected)};
    return {std::nullopt, WrongFormat(expected)};
}

} // namespace gsm::files
