#include "Restorable.h"

#include "numbers/NumberRecordCheck.h"
#include "settings/SettingsValidation.h"
#include "text/CodePage.h"

namespace gsm::backup {

QString RefusedSettingsPages(const Pages& pages) {
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page)
        if (const auto error = settings::CheckSettingsPage(
                page, pages[static_cast<std::size_t>(page - 1)], SystemCodePageInstance()))
            return QStringLiteral("settings page %1: %2")
                .arg(QString::number(page), QString::fromStdString(error->Message()));
    return {};
}

QString NumberPagesProblem(const Pages& pages) {
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page)
        if (const auto problem =
                numbers::CheckNumberPage(page, pages[static_cast<std::size_t>(page - 1)]))
            return QString::fromStdString(*problem);
    return {};
}

AreasOrError RestorableAreas(const Backup& backup) {
    AreaPages areas;
    for (const Area area : {Area::Settings, Area::Numbers})
        if (auto found = backup.areas.find(area); found != backup.areas.end())
            areas.emplace(area, found->second);
    if (areas.empty())
        return {std::nullopt, QStringLiteral("the backup holds no settings or number pages")};
    if (auto settings = areas.find(Area::Settings); settings != areas.end())
        if (const QString refused = RefusedSettingsPages(settings->second); !refused.isEmpty())
            return {std::nullopt, refused};
    if (auto numbers = areas.find(Area::Numbers); numbers != areas.end())
        if (const QString problem = NumberPagesProblem(numbers->second); !problem.isEmpty())
            return {std::nullopt, problem};
    return {std::move(areas), {}};
}

} // namespace gsm::backup
