#include "NumberListFile.h"

#include "Csv.h"
#include "NumberGrid.h"
#include "SheetGrid.h"
#include "Workbook.h"

namespace gsm::files {

numbers::ImportResult ImportNumberListFile(const QString& path, IGrid& grid, IStatusSink& status,
                                           const numbers::PercentSink& progress) {
    Workbook book;
    if (!book.Open(path))
        return {book.LastError().toStdString(), {}};
    const TableGrid values = SheetValues(book, numbers::kColumnCount, numbers::kRowCount);
    const TableGrid shown = SheetTexts(book, numbers::kColumnCount, numbers::kRowCount);
    return numbers::CheckedImport({values, shown}, grid, status, progress);
}

QByteArray NumberListCsv(const IGrid& grid, IStatusSink& status,
                         const numbers::PercentSink& progress) {
    return QByteArray::fromStdString(
        JoinCsvLines(numbers::NumberListCsvLines(grid, status, progress)));
}

} // namespace gsm::files
