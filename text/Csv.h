#pragma once
// CSV fields as the exports write them: as they stand, so lines stay the
// layout other programs already read, or quoted (RFC 4180) when a comma, a
// double quote or a line break would otherwise break the line apart.

#include <string>
#include <string_view>

namespace gsm {

std::string CsvField(std::string_view text);

} // namespace gsm
