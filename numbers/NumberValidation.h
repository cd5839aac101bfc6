#pragma once
// Checks run on the number list before it is saved.

#include "Grid.h"

#include <string>
#include <vector>

namespace gsm::numbers {

// Serials of the rows that have a number, neither mark, and an empty period
// cell. Only emptiness is looked at here; the form of the cells is checked
// when the list is encoded.
std::vector<std::string> RowsWithoutPeriod(const IGrid& grid);

// The first three serials joined by ",", followed by ",...." when there are more.
std::string SerialList(const std::vector<std::string>& serials);

std::string MissingPeriodMessage(const std::vector<std::string>& serials);

// For rows whose number, date or time cannot be stored as it stands.
std::string WrongCellsMessage(const std::vector<std::string>& serials);

} // namespace gsm::numbers
