#pragma once
// What the window's file exchanges of the three sheets add to the file
// layer: the file dialogs (one replaceable function, so tests can answer
// them), the dialogs' filters, timestamped file names and the configuration
// folder.

#include "files/SheetShape.h"
#include "protocol/Grid.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
class RememberedPlaces;
class StatusDisplay;

// Filters as "description|patterns|description|patterns"; patterns split by ";".
inline constexpr const char* kSaveWorkbookFilter = "EXCEL file|*.xlsx;*.xls|(*.*)|*.*";
// Imports also read LibreOffice Calc's .ods; it is listed with the workbooks
// so such files show without changing the filter.
inline constexpr const char* kOpenWorkbookFilter = "EXCEL file|*.xls;*.xlsx;*.ods|(*.*)|*.*";
// Proposed with every workbook name: a name without an extension is saved
// as it stands.
inline constexpr const char* kWorkbookExtension = ".xlsx";
inline constexpr const char* kFileCreateError =
    QT_TRANSLATE_NOOP("Files", "Cannot create file \"%1\". %2");
// The filters' descriptions are shown in the user's language.
inline constexpr const char* kWorkbookFilterName = QT_TRANSLATE_NOOP("Files", "EXCEL file");

struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString folder;       // where the dialog starts; empty leaves it to the dialog
    QString filter;       // empty lists every file
    QString proposedName; // the name a save dialog proposes
    // Names the dialog, which then opens in the folder it was last used in.
    QString dialog = {};
};

// Shows a dialog for `request`; the chosen path, or empty when cancelled.
using FileChooser = std::function<QString(QWidget* parent, const FileRequest& request)>;

// The program's dialogs open where the same dialog last chose a file, while
// that folder exists; otherwise in the request's folder.
QString DialogStartFolder(const FileRequest& request, const RememberedPlaces& remembered);
void RememberDialogFolder(const FileRequest& request, const QString& chosen,
                          RememberedPlaces& remembered);

QString ChooseFile(QWidget* parent, const FileRequest& request);
// Puts `chooser` in place of the program's dialogs; returns the one it replaces.
FileChooser InstallFileChooser(FileChooser chooser);

// The dialog's filters for a "description|patterns" filter: "*.*" stands for
// every file, with or without an extension.
QStringList NameFilters(const QString& filter);

// `prefix` followed by the local time as 2026-01-31_14-05-09.
QString TimestampedName(const char* prefix);

// One grid to one workbook: the column widths are set, the dialog asks where,
// then the grid's rows go to the sheet as the command-line tool writes them.
struct WorkbookExport {
    FileRequest request;
    const gsm::files::SheetShape* shape = nullptr;
    // Runs once the user has chosen the file, before the first cell.
    std::function<void()> prepare = {};
    const gsm::IGrid* grid = nullptr; // read once `prepare` has run
    // After each row, for progress and status.
    std::function<void(int row)> rowDone = {};
    // The rows' status text goes as soon as the file is written.
    bool clearStatusWhenWritten = false;
};

// The file written, or empty when the user cancelled or it could not be
// written (the user was told why).
QString ExportWorkbook(QWidget* parent, StatusDisplay& status, const WorkbookExport& job);

// Asks for a file to import in the dialog named `dialog`: the chosen path,
// or empty when the user cancelled.
QString ChooseFileToImport(QWidget* parent, const QString& dialog);

// `bytes` as the file `name` in the configuration folder. The path written,
// or empty when it could not be (the user was told why).
QString SaveInConfigurationFolder(QWidget* parent, StatusDisplay& status, const QString& name,
                                  const QByteArray& bytes);
