#include "XlsReader.h"

#include "XlsDeclaredSize.h"
#include "XlsStream.h"

#include <freexl.h>

#include <fstream>
#include <memory>
#include <optional>

namespace gsm {

namespace {

using xlsstream::CellKind;
using xlsstream::Refusal;
using xlsstream::Writer;

constexpr std::streamsize kMaxFileBytes = xlsstream::kMaxFileBytes;

struct FreexlClose {
    void operator()(const void* handle) const { freexl_close(handle); }
};
using XlsHandle = std::unique_ptr<const void, FreexlClose>;

struct Refused {
    Refusal code;
    std::uint32_t a = 0;
    std::uint32_t b = 0;
};

Refused RefusalOf(int code) {
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        return {Refusal::CannotOpen};
    case FREEXL_INSUFFICIENT_MEMORY:
        return {Refusal::NoMemory};
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return {Refusal::NoWorkbook};
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER:
        return {Refusal::Charset};
    default:
        return {Refusal::Damaged, static_cast<std::uint32_t>(code)};
    }
}

bool Exceeds(const DeclaredSize& size, std::uint32_t maxRows, std::uint32_t maxColumns) {
    return size.rows > maxRows || size.columns > maxColumns;
}

// The container, and the sizes its workbook stream declares: the legacy
// reader allocates a slot for every cell every sheet declares before it
// reads any, so they are looked at first.
std::optional<Refused> CheckFile(const char* path, std::uint32_t maxRows,
                                 std::uint32_t maxColumns) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return Refused{Refusal::CannotOpen};
    const std::streamoff size = file.tellg();
    if (size < 0)
        return Refused{Refusal::CannotOpen};
    if (size > kMaxFileBytes)
        return Refused{Refusal::TooLarge};
    std::string bytes(std::size_t(size), '\0');
    file.seekg(0);
    file.read(bytes.data(), std::streamsize(size));
    bytes.resize(std::size_t(file.gcount()));
    if (const auto fault = CheckCompoundDirectory(bytes))
        return Refused{Refusal::Container, static_cast<std::uint32_t>(*fault)};
    const std::optional<std::string> stream = WorkbookStream(bytes);
    if (!stream)
        return std::nullopt; // the legacy reader says what is wrong, within the limits
    const DeclaredSheets sheets = ReadDeclaredSheets(*stream);
    if (sheets.first && Exceeds(*sheets.first, maxRows, maxColumns))
        return Refused{Refusal::Extent, sheets.first->rows, sheets.first->columns};
    if (sheets.cells > xlsstream::kMaxDeclaredCells)
        return Refused{Refusal::TooManyCells};
    return std::nullopt;
}

// The size of the sheet the legacy reader will read, as it sees it.
std::optional<Refused> CheckReaderSize(const char* path, std::uint32_t maxRows,
                                       std::uint32_t maxColumns) {
    const void* raw = nullptr;
    const int opened = freexl_open_info(path, &raw);
    const XlsHandle handle(raw);
    if (opened != FREEXL_OK)
        return RefusalOf(opened);
    unsigned int rows = 0;
    unsigned short columns = 0;
    int code = freexl_select_active_worksheet(raw, 0);
    if (code == FREEXL_OK)
        code = freexl_worksheet_dimensions(raw, &rows, &columns);
    if (code != FREEXL_OK)
        return RefusalOf(code);
    if (Exceeds({rows, columns}, maxRows, maxColumns))
        return Refused{Refusal::Extent, rows, columns};
    return std::nullopt;
}

// freexl gives dates as "YYYY-MM-DD", date-times as "YYYY-MM-DD HH:MM:SS" and
// times as "HH:MM:SS"; the program turns them into its own forms.
std::optional<Refused> WriteCell(Writer& out, std::uint32_t row, std::uint32_t column,
                                 const FreeXL_CellValue& value) {
    switch (value.type) {
    case FREEXL_CELL_INT:
        out.Integer(row, column, value.value.int_value);
        break;
    case FREEXL_CELL_DOUBLE:
        out.Number(row, column, value.value.double_value);
        break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME: {
        const std::string_view text = value.value.text_value ? value.value.text_value : "";
        if (text.size() > xlsstream::kMaxTextBytes)
            return Refused{Refusal::LongText};
        const bool plain = value.type == FREEXL_CELL_TEXT || value.type == FREEXL_CELL_SST_TEXT;
        out.Text(row, column, plain ? CellKind::Text : CellKind::DateTime, text);
        break;
    }
    default:
        break;
    }
    return std::nullopt;
}

std::optional<Refused> WriteCells(const char* path, Writer& out) {
    const void* raw = nullptr;
    const int opened = freexl_open(path, &raw);
    const XlsHandle handle(raw);
    if (opened != FREEXL_OK)
        return RefusalOf(opened);
    unsigned int protection = 0;
    if (freexl_get_info(raw, FREEXL_BIFF_PASSWORD, &protection) == FREEXL_OK &&
        protection == FREEXL_BIFF_OBFUSCATED)
        return Refused{Refusal::Protected};
    unsigned int rows = 0;
    unsigned short columns = 0;
    int code = freexl_select_active_worksheet(raw, 0);
    if (code == FREEXL_OK)
        code = freexl_worksheet_dimensions(raw, &rows, &columns);
    for (unsigned int row = 0; code == FREEXL_OK && row < rows; ++row) {
        for (unsigned short column = 0; code == FREEXL_OK && column < columns; ++column) {
            FreeXL_CellValue value;
            code = freexl_get_cell_value(raw, row, column, &value);
            if (code != FREEXL_OK)
                break;
            if (const auto refused = WriteCell(out, row + 1, column + 1u, value))
                return refused;
        }
    }
    if (code != FREEXL_OK)
        return RefusalOf(code);
    return std::nullopt;
}

} // namespace

std::string ReadXlsAnswer(const char* path, std::uint32_t maxRows, std::uint32_t maxColumns) {
    std::optional<Refused> refused = CheckFile(path, maxRows, maxColumns);
    if (!refused)
        refused = CheckReaderSize(path, maxRows, maxColumns);
    std::string answer;
    if (!refused) {
        Writer cells(answer);
        refused = WriteCells(path, cells);
        if (!refused) {
            cells.End();
            return answer;
        }
        answer.clear();
    }
    Writer out(answer);
    out.Refuse(refused->code, refused->a, refused->b);
    out.End();
    return answer;
}

} // namespace gsm
