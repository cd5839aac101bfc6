#include "DeviceFiles.h"

#include "CodePage.h"
#include "HistoryCsv.h"
#include "HistoryGrid.h"
#include "HistoryRead.h"
#include "NumberGrid.h"
#include "NumberListFiles.h"
#include "NumberPages.h"
#include "NumberRecordCheck.h"
#include "SettingsCatalogue.h"
#include "SettingsCells.h"
#include "SettingsPages.h"
#include "SettingsProfile.h"
#include "SettingsValidation.h"
#include "SheetGrid.h"
#include "Workbook.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>

namespace gsm::cli {

namespace {

namespace settings = gsm::settings;
namespace numbers = gsm::numbers;
namespace history = gsm::history;

constexpr const char* kProfileFormat = "gsmgate settings profile";

// Reports and statuses are the window's; the tool shows pages instead.
class SilentStatus : public IStatusSink {
public:
    void ShowStatus(const std::string&) override {}
};

bool EndsWith(const QString& path, const char* suffix) {
    return path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

// The settings grid and lists after a read of both pages.
struct SettingsSheet {
    TableGrid grid{settings::kColCount, settings::kRowCount};
    settings::TableLists lists;

    explicit SettingsSheet(const Pages* pages = nullptr) {
        settings::WriteStartGrid(grid);
        if (!pages)
            return;
        for (int page = 1; page <= static_cast<int>(pages->size()); ++page) {
            settings::DeviceSettings read;
            settings::DecodeSettingsPage(page, (*pages)[static_cast<std::size_t>(page - 1)],
                                         SystemCodePageInstance(), read);
            settings::SettingsToCells(read, page, grid, lists);
        }
    }
};

struct ProfileSheet {
    std::optional<TableGrid> sheet;
    std::string a1;
    QString error;
};

ProfileSheet ReadJsonProfile(const QByteArray& bytes) {
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    if (root.value("format").toString() != QLatin1String(kProfileFormat) ||
        root.value("version").toInt() != 1)
        return {std::nullopt, {}, QString::fromLatin1(settings::kWrongProfileFormat)};
    TableGrid sheet(settings::kColCount, settings::kRowCount);
    const QJsonArray rows = root.value("rows").toArray();
    for (int r = 0; r < settings::kRowCount && r < rows.size(); ++r) {
        const QJsonArray cells = rows.at(r).toArray();
        for (int k = 0; k < settings::kColCount && k < cells.size(); ++k) {
            // A number would come out as an empty text: a relay timer of 30 sent as unset.
            if (!cells.at(k).isString())
                return {
                    std::nullopt,
                    {},
                    QStringLiteral("profile row %1, column %2 is not text").arg(r + 1).arg(k + 1)};
            sheet.SetCell(k, r, cells.at(k).toString().toStdString());
        }
    }
    return {sheet, sheet.Cell(0, 0), {}};
}

ProfileSheet ReadProfileSheet(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {
            std::nullopt, {}, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().startsWith('{'))
        return ReadJsonProfile(bytes);
    Workbook book;
    if (!book.Open(path))
        return {std::nullopt, {}, book.LastError()};
    return {SheetValues(book, settings::kColCount, settings::kRowCount),
            book.Text(1, 1).toStdString(),
            {}};
}

const auto kNoProgress = [](int, int) {};

} // namespace

bool IsStdout(const QString& path) {
    return path == QLatin1String("-");
}

bool WriteOutput(const QString& path, const QByteArray& bytes, QString* failure) {
    if (IsStdout(path)) {
        const bool written =
            std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
            static_cast<std::size_t>(bytes.size());
        std::fflush(stdout);
        if (!written)
            *failure = QStringLiteral("cannot write to stdout");
        return written;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *failure = file.errorString();
    return false;
}

QString SimNumberOf(const Page& firstSettingsPage) {
    settings::DeviceSettings read;
    settings::DecodeSettingsPage(1, firstSettingsPage, SystemCodePageInstance(), read);
    return QString::fromStdString(read.simNumber);
}

PagesOrError SettingsPagesFromProfile(const QString& path) {
    const ProfileSheet profile = ReadProfileSheet(path);
    if (!profile.sheet)
        return {std::nullopt, profile.error};
    SettingsSheet target;
    const CodePage& codePage = SystemCodePageInstance();
    const settings::ProfileLoad load = settings::LoadProfile(
        profile.a1, *profile.sheet, target.grid, target.lists, codePage, kNoProgress);
    if (!load.loaded)
        return {std::nullopt, QString::fromStdString(load.message)};
    const settings::CellSettings taken = settings::SettingsFromGrid(target.grid, target.lists);
    if (const auto error = settings::FirstRefusal(taken, codePage))
        return {std::nullopt, QString::fromStdString(error->Message())};
    const settings::EncodedSettings encoded = settings::EncodeSettings(taken.settings, codePage);
    if (encoded.error)
        return {std::nullopt, QString::fromStdString(encoded.error->Message())};
    return {Pages(encoded.pages.begin(), encoded.pages.end()), {}};
}

QString RefusedSettingsPages(const Pages& pages) {
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page)
        if (const auto error = settings::CheckSettingsPage(
                page, pages[static_cast<std::size_t>(page - 1)], SystemCodePageInstance()))
            return QStringLiteral("settings page %1: %2")
                .arg(QString::number(page), QString::fromStdString(error->Message()));
    return {};
}

bool WriteSettingsProfile(const Pages& pages, const QString& path, QString* failure) {
    const SettingsSheet read(&pages);
    TableGrid sheet(settings::kColCount, settings::kRowCount);
    settings::WriteProfile(read.grid, read.lists, sheet, kNoProgress);
    if (IsStdout(path) || EndsWith(path, ".json")) {
        QJsonArray rows;
        for (int r = 0; r < settings::kRowCount; ++r) {
            QJsonArray cells;
            for (int k = 0; k < settings::kColCount; ++k)
                cells.append(QString::fromStdString(sheet.Cell(k, r)));
            rows.append(cells);
        }
        const QJsonObject root{
            {"format", QString::fromLatin1(kProfileFormat)}, {"version", 1}, {"rows", rows}};
        return WriteOutput(path, QJsonDocument(root).toJson(QJsonDocument::Indented), failure);
    }
    Workbook book;
    book.Add();
    SetColumnWidths(book, settings::kProfileColumnWidths);
    WriteSheet(book, sheet, settings::kColCount, settings::kRowCount, false);
    if (book.SaveAs(path))
        return true;
    *failure = book.LastError();
    return false;
}

PagesOrError NumberPagesFromList(const QString& path) {
    Workbook book;
    if (!book.Open(path))
        return {std::nullopt, book.LastError()};
    const TableGrid values = SheetValues(book, numbers::kColumnCount, numbers::kRowCount);
    const TableGrid shown = SheetTexts(book, numbers::kColumnCount, numbers::kRowCount);
    const numbers::ListSheet sheet{values, shown};
    TableGrid grid(numbers::kColumnCount, numbers::kRowCount);
    numbers::InitNumberGrid(grid);
    SilentStatus status;
    const numbers::ImportResult imported =
        numbers::CheckedImport(sheet, grid, status, [](std::uint16_t) {});
    if (imported.refusal)
        return {std::nullopt, QString::fromStdString(*imported.refusal)};
    const std::vector<numbers::PageBytes> pages = numbers::NumberListPages(imported.entries);
    return {Pages(pages.begin(), pages.end()), {}};
}

QString NumberPagesProblem(const Pages& pages) {
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page)
        if (const auto problem =
                numbers::CheckNumberPage(page, pages[static_cast<std::size_t>(page - 1)]))
            return QString::fromStdString(*problem);
    return {};
}

bool WriteNumberList(const Pages& pages, const QString& path, QString* failure) {
    TableGrid grid(numbers::kColumnCount, numbers::kRowCount);
    numbers::InitNumberGrid(grid);
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page)
        numbers::DecodeNumberPage(grid, static_cast<std::int32_t>(addr::NumberPage(page)),
                                  pages[static_cast<std::size_t>(page - 1)]);
    if (IsStdout(path) || EndsWith(path, ".csv")) {
        SilentStatus status;
        const std::string text =
            gsm::JoinCsvLines(numbers::NumberListCsvLines(grid, status, [](std::uint16_t) {}));
        return WriteOutput(path, QByteArray::fromStdString(text), failure);
    }
    Workbook book;
    book.Add();
    SetColumnWidths(book, numbers::kXlsColumnWidths);
    WriteSheet(book, grid, numbers::kColumnCount, numbers::kRowCount, true);
    if (book.SaveAs(path))
        return true;
    *failure = book.LastError();
    return false;
}

bool WriteHistory(const Pages& pages, const QString& path, QString* failure) {
    TableGrid grid(history::kColumns, history::kGridRows);
    history::InitHistoryGrid(grid);
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page)
        history::DecodePageIntoGrid(grid, static_cast<std::int32_t>(addr::HistoryPage(page)),
                                    pages[static_cast<std::size_t>(page - 1)], addr::kPageSize,
                                    SystemCodePageInstance());
    history::CompactHistoryGrid(grid);
    if (IsStdout(path) || EndsWith(path, ".csv")) {
        SilentStatus status;
        const std::string text =
            gsm::JoinCsvLines(history::HistoryCsvLines(grid, status, [](std::uint16_t) {}));
        return WriteOutput(path, QByteArray::fromStdString(text), failure);
    }
    Workbook book;
    book.Add();
    SetColumnWidths(book, history::kXlsColumnWidths);
    WriteSheet(book, grid, history::kColumns, history::kGridRows, true);
    if (book.SaveAs(path))
        return true;
    *failure = book.LastError();
    return false;
}

} // namespace gsm::cli
