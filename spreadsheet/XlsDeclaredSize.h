#pragma once
// What a legacy workbook stream declares about the size of its sheets, read
// from its DIMENSIONS records before the legacy reader allocates a slot for
// every cell they declare. Standard library only: this runs inside the .xls
// reader's own process.

#include <cstdint>
#include <optional>
#include <string_view>

namespace gsm {

struct DeclaredSize {
    std::uint32_t rows = 0;
    std::uint32_t columns = 0;
};

struct DeclaredSheets {
    // The first sheet's, as the first DIMENSIONS record in the stream gives it.
    std::optional<DeclaredSize> first;
    // Rows × columns of every sheet together: the legacy reader loads them all.
    std::uint64_t cells = 0;
};

DeclaredSheets ReadDeclaredSheets(std::string_view workbookStream);

} // namespace gsm
