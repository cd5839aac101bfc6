#include "DeviceFiles.h"

#include "config/ConfigPages.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "files/FileWrite.h"
#include "files/HistoryFile.h"
#include "files/NumberListFile.h"
#include "files/ProfileFile.h"
#include "files/SheetKind.h"
#include "files/SheetShape.h"
#include "history/HistoryGrid.h"
#include "history/HistoryRead.h"
#include "numbers/NumberGrid.h"
#include "numbers/NumberPages.h"
#include "numbers/NumberRecordCheck.h"
#include "settings/SettingsCatalogue.h"
#include "settings/SettingsCells.h"
#include "settings/SettingsPages.h"
#include "settings/SettingsValidation.h"
#include "text/CodePage.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace gsm::cli {

namespace {

namespace settings = gsm::settings;
namespace numbers = gsm::numbers;
namespace history = gsm::history;

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
    return files::WriteWholeFile(path, bytes, failure);
}

QString SimNumberOf(const Page& firstSettingsPage) {
    return QString::fromStdString(
        settings::SimNumberOf(firstSettingsPage, SystemCodePageInstance()));
}

PagesOrError SettingsPagesFromProfile(const QString& path) {
    SettingsSheet target;
    const CodePage& codePage = SystemCodePageInstance();
    const settings::ProfileLoad load =
        files::LoadProfileFile(path, target.grid, target.lists, codePage);
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

bool WriteSettingsProfile(const Pages& pages, const QString& path, QString* failure) {
    const SettingsSheet read(&pages);
    const TableGrid sheet = files::ProfileSheetOf(read.grid, read.lists);
    if (IsStdout(path) || files::IsJsonName(path))
        return WriteOutput(path, files::ProfileJson(sheet), failure);
    return files::SaveGrid(sheet, files::ProfileShape(), path, failure);
}

PagesOrError NumberPagesFromList(const QString& path) {
    TableGrid grid(numbers::kColumnCount, numbers::kRowCount);
    numbers::InitNumberGrid(grid);
    SilentStatus status;
    const numbers::ImportResult imported =
        files::ImportNumberListFile(path, grid, status, [](std::uint16_t) {});
    if (imported.refusal)
        return {std::nullopt, QString::fromStdString(*imported.refusal)};
    const std::vector<numbers::PageBytes> pages = numbers::NumberListPages(imported.entries);
    return {Pages(pages.begin(), pages.end()), {}};
}

// A backup of every area is under 1 MiB.
constexpr qint64 kLargestBackup = 4 * 1024 * 1024;

AreasOrError RestorableAreas(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("cannot read %1: %2").arg(path, file.errorString())};
    if (file.size() > kLargestBackup)
        return {std::nullopt, QStringLiteral("%1 is too big to be a backup").arg(path)};
    const backup::BackupRead read = backup::ReadBackup(file.readAll());
    if (!read.backup)
        return {std::nullopt, read.error};
    return RestorableAreas(*read.backup);
}

namespace {

bool IsBackupFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestBackup)
        return false;
    const QByteArray bytes = file.readAll();
    if (!bytes.trimmed().startsWith('{'))
        return false;
    return QJsonDocument::fromJson(bytes).object().value(QStringLiteral("format")).toString() ==
           QLatin1String(backup::kBackupFormat);
}

AreasOrError OneArea(Area area, const PagesOrError& loaded) {
    if (!loaded.pages)
        return {std::nullopt, loaded.error};
    return {AreaPages{{area, *loaded.pages}}, {}};
}

} // namespace

AreasOrError AreasOfAnyFile(const QString& path) {
    if (IsBackupFile(path))
        return RestorableAreas(path);
    if (!files::IsJsonName(path) && files::OpenWorkbookOf(path, files::SheetKind::NumberList).book)
        return OneArea(Area::Numbers, NumberPagesFromList(path));
    return OneArea(Area::Settings, SettingsPagesFromProfile(path));
}

bool WriteNumberList(const Pages& pages, const QString& path, QString* failure) {
    TableGrid grid(numbers::kColumnCount, numbers::kRowCount);
    numbers::InitNumberGrid(grid);
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page)
        numbers::DecodeNumberPage(grid, static_cast<std::int32_t>(addr::NumberPage(page)),
                                  pages[static_cast<std::size_t>(page - 1)]);
    if (IsStdout(path) || EndsWith(path, ".csv")) {
        SilentStatus status;
        return WriteOutput(path, files::NumberListCsv(grid, status, [](std::uint16_t) {}), failure);
    }
    return files::SaveGrid(grid, files::NumberListShape(), path, failure);
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
        return WriteOutput(path, files::HistoryCsv(grid, status, [](std::uint16_t) {}), failure);
    }
    return files::SaveGrid(grid, files::HistoryShape(), path, failure);
}

ConfigurationOrError ReadConfigurationFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("cannot read %1: %2").arg(path, file.errorString())};
    // Read one byte past the limit: a pipe or a device file has no size to ask.
    const QByteArray bytes = file.read(static_cast<qint64>(config::kLargestFile) + 1);
    const config::ReadResult read = config::ReadConfiguration(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        SystemCodePageInstance());
    if (!read.configuration)
        return {std::nullopt, QString::fromStdString(read.error)};
    return {read.configuration, {}};
}

bool WriteConfiguration(const AreaPages& read, const QString& path, QString* failure) {
    const Pages& numberPages = read.at(Area::Numbers);
    const std::string text = config::ConfigurationText(
        config::SettingsOf(read.at(Area::Settings), SystemCodePageInstance()), numberPages);
    return WriteOutput(path, QByteArray::fromStdString(text), failure);
}

} // namespace gsm::cli
