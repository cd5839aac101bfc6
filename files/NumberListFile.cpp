#include "NumberListFile.h"

#include "SheetKind.h"
#include "numbers/NumberGrid.h"
#include "spreadsheet/SheetGrid.h"
#include "text/Csv.h"

namespace gsm::files {

numbers::ImportResult ImportNumberListFile(const QString& path, IGrid& grid, IStatusSink& status,
                                           const numbers::PercentSink& progress) {
    const KindedWorkbook opened = OpenWorkbookOf(path, SheetKind::NumberList);
    if (!opened.book)
        return {opened.refusal.toStdString(), {}};
    const TableGrid values = SheetValues(*opened.book, numbers::kColumnCount, numbers::kRowCount);
    const TableGrid shown = SheetTexts(*opened.book, numbers::kColumnCount, numbers::kRowCount);
    return numbers::CheckedImport({values, shown}, grid, status, progress);
}

QByteArray NumberListCsv(const IGrid& grid, IStatusSink& status,
                         const numbers::PercentSink& progress) {
    return QByteArray::fromStdString(
        JoinCsvLines(numbers::NumberListCsvLines(grid, status, progress)));
}

} // namespace gsm::files
