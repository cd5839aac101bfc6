// gsmgate-xls-reader FILE ROWS COLUMNS
//
// Reads the first sheet of the legacy .xls workbook FILE and writes its cells
// to standard output as XlsStream.h describes; a sheet that declares more
// than ROWS × COLUMNS is refused there. The programs start it with limits on
// memory, processor time and output (XlsSandbox.h) and check every byte it
// writes; it is not meant to be run by hand.

#include "XlsReader.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace {

constexpr int kUsage = 64; // as sysexits' EX_USAGE

bool ParseCount(std::string_view text, std::uint32_t most, std::uint32_t& count) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc() && end == text.data() + text.size() && count >= 1 && count <= most;
}

} // namespace

int main(int argc, char* argv[]) {
    std::uint32_t rows = 0;
    std::uint32_t columns = 0;
    if (argc != 4 || !ParseCount(argv[2], 1048576, rows) || !ParseCount(argv[3], 16384, columns)) {
        std::fputs("usage: gsmgate-xls-reader FILE ROWS COLUMNS\n", stderr);
        return kUsage;
    }
    const std::string answer = gsm::ReadXlsAnswer(argv[1], rows, columns);
    const bool written = std::fwrite(answer.data(), 1, answer.size(), stdout) == answer.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}
