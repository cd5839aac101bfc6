#pragma once
// The messages that refuse a number list before it is saved.

#include "protocol/Grid.h"

#include <string>
#include <vector>

namespace gsm::numbers {

// Serials of the rows that have a number, neither mark, and an empty period
// cell: the first refusal of NumberListFromGrid.
std::vector<std::string> RowsWithoutPeriod(const IGrid& grid);

// The first three serials joined by ",", followed by ",...." when there are more.
std::string SerialList(const std::vector<std::string>& serials);

std::string MissingPeriodMessage(const std::vector<std::string>& serials);

// For rows whose number, date or time cannot be stored as it stands.
std::string WrongCellsMessage(const std::vector<std::string>& serials);

} // namespace gsm::numbers
