#pragma once
// The PC's local date and time, for the clock command and for file names.

#include <ctime>

namespace gsm {

std::tm LocalTime(std::time_t at);
std::tm LocalNow();

} // namespace gsm
