#pragma once
// Reads the first worksheet of a legacy .xls workbook (BIFF in a compound
// document) with the legacy reader library. This runs only inside the .xls
// reader process (XlsReaderMain.cpp), never in the programs: that library
// trusts what the file says, and a crafted file can make it read or allocate
// far beyond it. Standard library only.

#include <cstdint>
#include <string>

namespace gsm {

// The answer for `path` (see XlsStream.h): its cells, or why it is refused,
// which it is when the sheet declares more than `maxRows` × `maxColumns`.
std::string ReadXlsAnswer(const char* path, std::uint32_t maxRows, std::uint32_t maxColumns);

} // namespace gsm
