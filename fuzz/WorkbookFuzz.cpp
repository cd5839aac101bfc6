// A workbook file (.xlsx, .ods or legacy .xls, told apart by its content) read
// as the window's imports read it. Whatever the file holds, Open either gives
// a sheet or refuses with a reason, and a refused file leaves the workbook
// that was open as it was.

#include "FuzzSupport.h"
#include "SheetGrid.h"
#include "Workbook.h"

#include <cstddef>
#include <cstdint>

namespace {

// The largest sheet the program reads: the number list's columns and rows.
constexpr int kColumns = 8;
constexpr int kRows = 1001;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gsm;
    const QString path = fuzz::WriteScratch(fuzz::FileBytes(data, size));

    Workbook book;
    book.Add();
    book.SetCell(1, 1, QStringLiteral("kept"));
    if (!book.Open(path)) {
        FUZZ_CHECK(!book.LastError().isEmpty());
        FUZZ_CHECK(book.IsOpen() && book.Value(1, 1) == QStringLiteral("kept"));
        return 0;
    }
    FUZZ_CHECK(book.LastError().isEmpty());
    const TableGrid values = SheetValues(book, kColumns, kRows);
    const TableGrid texts = SheetTexts(book, kColumns, kRows);
    FUZZ_CHECK(values.Cell(0, 0) == book.Value(1, 1).toStdString());
    FUZZ_CHECK(texts.Cell(kColumns - 1, kRows - 1) == book.Text(kRows, kColumns).toStdString());
    return 0;
}
