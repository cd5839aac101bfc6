#pragma once
// CSV fields as the exports write them: as they stand, so lines stay the
// layout other programs already read, or quoted (RFC 4180) when a comma, a
// double quote or a line break would otherwise break the line apart.

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace gsm {

std::string CsvField(std::string_view text);

// The lines of a CSV file, each ended by CR LF.
std::string JoinCsvLines(const std::vector<std::string>& lines);

// prefix followed by the local time as yyyy-mm-dd_hh-nn-ss: the name of
// every file the program writes or proposes.
std::string TimestampedName(std::string_view prefix, const std::tm& localTime);

} // namespace gsm
