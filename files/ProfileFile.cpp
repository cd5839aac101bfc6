#include "ProfileFile.h"

#include "SheetKind.h"
#include "settings/SettingsRecord.h"
#include "spreadsheet/SheetGrid.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace gsm::files {

namespace {

ProfileSheet Refused(const QString& why) {
    return {std::nullopt, {}, why};
}

// "profile row 11, column 2 is not text", and the setting of that row.
QString NotText(int row, int col) {
    const std::string where = "profile row " + std::to_string(row + 1) + ", column " +
                              std::to_string(col + 1) + " is not text";
    if (row < settings::kFirstRow || row > settings::kLastRow)
        return QString::fromStdString(where);
    return QString::fromStdString(settings::SettingError{row, where}.Message());
}

ProfileSheet ReadJsonProfile(const QByteArray& bytes) {
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    if (root.value("format").toString() != QLatin1String(kProfileFormat) ||
        root.value("version").toInt() != 1)
        return Refused(QString::fromLatin1(settings::kWrongProfileFormat));
    TableGrid sheet(settings::kColCount, settings::kRowCount);
    const QJsonArray rows = root.value("rows").toArray();
    for (int r = 0; r < settings::kRowCount && r < rows.size(); ++r) {
        const QJsonArray cells = rows.at(r).toArray();
        for (int k = 0; k < settings::kColCount && k < cells.size(); ++k) {
            // A number would come out as an empty text: a relay timer of 30 sent as unset.
            if (!cells.at(k).isString())
                return Refused(NotText(r, k));
            sheet.SetCell(k, r, cells.at(k).toString().toStdString());
        }
    }
    return {sheet, sheet.Cell(0, 0), {}};
}

} // namespace

bool IsJsonName(const QString& path) {
    return path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive);
}

ProfileSheet ReadProfileSheet(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().startsWith('{'))
        return ReadJsonProfile(bytes);
    const KindedWorkbook opened = OpenWorkbookOf(path, SheetKind::SettingsProfile);
    if (!opened.book)
        return Refused(opened.refusal);
    return {SheetValues(*opened.book, settings::kColCount, settings::kRowCount),
            opened.book->Text(1, 1).toStdString(),
            {}};
}

settings::ProfileLoad LoadProfileFile(const QString& path, IGrid& grid,
                                      settings::IChoiceLists& lists, const CodePage& codePage,
                                      const settings::ProfileProgress& progress) {
    const ProfileSheet profile = ReadProfileSheet(path);
    if (!profile.cells)
        return {false, profile.error.toStdString()};
    return settings::LoadProfile(
        profile.a1Shown, *profile.cells, grid, lists, codePage,
        progress ? progress : [](int, int) {});
}

TableGrid ProfileSheetOf(const IGrid& grid, const settings::IChoiceLists& lists,
                         const settings::ProfileProgress& progress) {
    TableGrid sheet(settings::kColCount, settings::kRowCount);
    settings::WriteProfile(
        grid, lists, sheet, progress ? progress : [](int, int) {});
    return sheet;
}

QByteArray ProfileJson(const IGrid& profileSheet) {
    QJsonArray rows;
    for (int r = 0; r < settings::kRowCount; ++r) {
        QJsonArray cells;
        for (int k = 0; k < settings::kColCount; ++k)
            cells.append(QString::fromStdString(profileSheet.Cell(k, r)));
        rows.append(cells);
    }
    const QJsonObject root{
        {"format", QString::fromLatin1(kProfileFormat)}, {"version", 1}, {"rows", rows}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace gsm::files
