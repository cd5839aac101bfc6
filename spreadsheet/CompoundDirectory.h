#pragma once
// A first look at a legacy workbook's container (a compound document) before
// the legacy reader sees it. That reader trusts each directory entry's stored
// name length and reads past the 64-byte name field when the length is
// larger, so such a file must be refused before it gets there; and it sizes
// its cell tables by what the workbook stream declares, so that stream is
// handed out to be looked at first. Standard library only: this runs inside
// the .xls reader's own process.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gsm {

enum class ContainerFault : std::uint32_t {
    Header = 1,
    AllocationTable = 2,
    Directory = 3,
    LongName = 4,
};

// Nothing when every entry of the document's directory keeps its name
// inside its name field; otherwise what is wrong.
std::optional<ContainerFault> CheckCompoundDirectory(std::string_view document);

// The bytes of the workbook stream ("Workbook", or "Book" in BIFF5 files);
// nothing when the document has none or its chain is broken.
std::optional<std::string> WorkbookStream(std::string_view document);

} // namespace gsm
