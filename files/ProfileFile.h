#pragma once
// Settings profiles: the settings grid with its header row and the six list
// texts, as a workbook ("Export profile": .xlsx; "Import profile" also reads
// .xls and .ods) or as the same 3 x 23 sheet in JSON:
//   {"format": "gsmgate settings profile", "version": 1,
//    "rows": [["Items", "Content", "Description"], ...]}
// Files are told apart by their content, not their names. A profile is loaded
// all or nothing, through the settings record's checks.

#include "protocol/Grid.h"
#include "settings/ChoiceLists.h"
#include "settings/SettingsProfile.h"
#include "text/CodePage.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

namespace gsm::files {

inline constexpr const char* kProfileFormat = "gsmgate settings profile";

struct ProfileSheet {
    std::optional<TableGrid> cells; // the sheet's A1:C23 in grid coordinates
    std::string a1Shown;            // A1 as a spreadsheet shows it
    QString error;                  // why there is no sheet
};

ProfileSheet ReadProfileSheet(const QString& path);

// Reads the profile at `path` into the grid and its lists, or changes
// neither and says why.
settings::ProfileLoad LoadProfileFile(const QString& path, IGrid& grid,
                                      settings::IChoiceLists& lists, const CodePage& codePage,
                                      const settings::ProfileProgress& progress = {});

// The sheet a profile holds for this grid and its lists.
TableGrid ProfileSheetOf(const IGrid& grid, const settings::IChoiceLists& lists,
                         const settings::ProfileProgress& progress = {});

QByteArray ProfileJson(const IGrid& profileSheet);

// True for the names a profile is written as JSON under.
bool IsJsonName(const QString& path);

} // namespace gsm::files
