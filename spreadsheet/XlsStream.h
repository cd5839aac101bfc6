#pragma once
// What the .xls reader process (gsmgate-xls-reader) answers on its standard
// output: the first sheet's cells, or why the file is refused. The program
// trusts none of it: XlsStreamParser.h checks every field. Standard library
// only, so the reader process links nothing but the legacy reader library.
//
//   "GSMXLS1\n"
//   then records, each a tag byte and little-endian fields:
//     'c'  row u32, column u32 (both from 1), kind u8, then by kind:
//            1 integer: i64 | 2 number: the f64's bits, u64 |
//            3 text, 4 date and time as ISO 8601 text: length u32, UTF-8 bytes
//     'r'  code u32, a u32, b u32   the file is refused; nothing follows but 'e'
//     'e'  count u32                the end: the number of 'c' records before it
//   Cells come in row order, left to right within a row, each once.

#include "CompoundDirectory.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace gsm::xlsstream {

inline constexpr std::string_view kMagic{"GSMXLS1\n", 8};

enum Tag : char { kCellTag = 'c', kRefusalTag = 'r', kEndTag = 'e' };

enum class CellKind : std::uint8_t { Integer = 1, Number = 2, Text = 3, DateTime = 4 };

// Why the reader refuses a file; `a` and `b` carry what the code names.
enum class Refusal : std::uint32_t {
    CannotOpen = 1,
    Container = 2, // a: the ContainerFault
    NoWorkbook = 3,
    Protected = 4,
    Charset = 5,
    NoMemory = 6,
    Extent = 7,  // a: rows, b: columns the sheet declares
    Damaged = 8, // a: the legacy reader's error code
    TooLarge = 9,
    LongText = 10,
    TooManyCells = 11,
};

// UTF-8 of the most characters one cell may hold.
inline constexpr std::uint32_t kMaxTextBytes = 32767 * 3;
// The limits of ReadLimits.h this process needs (the program checks they agree).
inline constexpr std::uint64_t kMaxDeclaredCells = 250000;
inline constexpr std::uint64_t kMaxFileBytes = 32ull * 1024 * 1024;

class Writer {
public:
    explicit Writer(std::string& out) : m_out(out) { m_out.append(kMagic); }

    void Integer(std::uint32_t row, std::uint32_t column, std::int64_t value) {
        CellHead(row, column, CellKind::Integer);
        U64(static_cast<std::uint64_t>(value));
    }
    void Number(std::uint32_t row, std::uint32_t column, double value) {
        CellHead(row, column, CellKind::Number);
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        U64(bits);
    }
    void Text(std::uint32_t row, std::uint32_t column, CellKind kind, std::string_view text) {
        CellHead(row, column, kind);
        U32(static_cast<std::uint32_t>(text.size()));
        m_out.append(text);
    }
    void Refuse(Refusal code, std::uint32_t a = 0, std::uint32_t b = 0) {
        m_out.push_back(kRefusalTag);
        U32(static_cast<std::uint32_t>(code));
        U32(a);
        U32(b);
    }
    void End() {
        m_out.push_back(kEndTag);
        U32(m_cells);
    }

private:
    void CellHead(std::uint32_t row, std::uint32_t column, CellKind kind) {
        m_out.push_back(kCellTag);
        U32(row);
        U32(column);
        m_out.push_back(static_cast<char>(kind));
        ++m_cells;
    }
    void U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            m_out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    void U64(std::uint64_t v) {
        for (int i = 0; i < 8; ++i)
            m_out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }

    std::string& m_out;
    std::uint32_t m_cells = 0;
};

} // namespace gsm::xlsstream
