// A workbook file read as the window's imports read it. Whatever the file
// holds, Open either gives a sheet or refuses with a reason, and a refused
// file leaves the workbook that was open as it was. Open tells the formats
// apart by their first bytes; each target keeps to the container it is built
// for (GSM_FUZZ_CONTAINER: a zip package for .xlsx and .ods, a compound
// document for .xls), so what one finds belongs to its reader.

#include "FuzzSupport.h"
#include "spreadsheet/SheetGrid.h"
#include "spreadsheet/Workbook.h"

#include <cstddef>
#include <cstdint>

namespace {

// The largest sheet the program reads: the number list's columns and rows.
constexpr int kColumns = 8;
constexpr int kRows = 1001;

#define GSM_FUZZ_ZIP 1
#define GSM_FUZZ_COMPOUND 2

bool OfThisContainer(const QByteArray& file) {
#if GSM_FUZZ_CONTAINER == GSM_FUZZ_ZIP
    return file.startsWith("PK");
#elif GSM_FUZZ_CONTAINER == GSM_FUZZ_COMPOUND
    return file.startsWith(QByteArray::fromHex("d0cf11e0"));
#else
#error "GSM_FUZZ_CONTAINER names no container"
#endif
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gsm;
    const QByteArray file = fuzz::FileBytes(data, size);
    if (!OfThisContainer(file))
        return -1; // not kept in the corpus
    const QString path = fuzz::WriteScratch(file);

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
