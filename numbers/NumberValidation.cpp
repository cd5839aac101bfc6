#include "NumberValidation.h"

#include "NumberRows.h"

namespace gsm::numbers {

namespace {

std::string ListMessage(const std::string& lead, const std::vector<std::string>& serials) {
    return lead + std::to_string(serials.size()) + "\r" +
           "Wrong serial number:" + SerialList(serials);
}

} // namespace

std::vector<std::string> RowsWithoutPeriod(const IGrid& grid) {
    return NumberListFromGrid(grid).missingPeriod;
}

std::string SerialList(const std::vector<std::string>& serials) {
    constexpr std::size_t kShown = 3;
    std::string list;
    for (std::size_t i = 0; i < serials.size() && i < kShown; ++i) {
        if (i > 0)
            list += ",";
        list += serials[i];
    }
    if (serials.size() > kShown)
        list += ",....";
    return list;
}

std::string MissingPeriodMessage(const std::vector<std::string>& serials) {
    return ListMessage("Wrong operation:please select \"Always\" or setting the Start-End date "
                       "and time.Total:",
                       serials);
}

std::string WrongCellsMessage(const std::vector<std::string>& serials) {
    return ListMessage("Wrong number, date or time:please correct the number (\"+\" and digits, "
                       "at most 22) or the date (2000-2099/01-12/01-31) and time (00-23:00-59)."
                       "Total:",
                       serials);
}

} // namespace gsm::numbers
