#include "NumberRows.h"

#include "NumberGrid.h"
#include "NumberValidation.h"

namespace gsm::numbers {

namespace {

std::string DateCellText(const std::optional<DeviceDate>& date) {
    return date ? DeviceDateText(*date) : std::string();
}

std::string TimeCellText(const std::optional<DeviceTime>& time) {
    return time ? DeviceTimeText(*time) : std::string();
}

// Reads one period cell into `part`; false when the text is there but is not
// a value of that kind.
template <typename T, typename Parse>
bool ReadPart(const std::string& text, Parse parse, std::optional<T>& part) {
    if (text.empty())
        return true;
    part = parse(text);
    return part.has_value();
}

bool HasEmptyPeriodCell(const IGrid& grid, int row) {
    for (int c = col::kStartDate; c <= col::kEndTime; ++c)
        if (grid.Cell(c, row).empty())
            return true;
    return false;
}

} // namespace

void ShowEntryInRow(const NumberEntry& entry, IGrid& grid, int row) {
    grid.SetCell(col::kNumber, row, entry.number);
    grid.SetCell(col::kStartDate, row, DateCellText(entry.start.date));
    grid.SetCell(col::kStartTime, row, TimeCellText(entry.start.time));
    grid.SetCell(col::kEndDate, row, DateCellText(entry.end.date));
    grid.SetCell(col::kEndTime, row, TimeCellText(entry.end.time));
    grid.SetCell(col::kAlways, row, entry.always ? kYes : kNo);
}

RowEntry ReadRowEntry(const IGrid& grid, int row) {
    RowEntry read;
    NumberEntry& entry = read.entry;
    if (grid.Cell(col::kDelete, row) == kYes) {
        entry.erased = true;
        return read;
    }
    entry.number = grid.Cell(col::kNumber, row);
    if (grid.Cell(col::kAlways, row) == kYes) {
        entry.always = true;
        return read;
    }
    // Every cell is read, so one bad cell does not hide the state of the others.
    bool inForm = ReadPart(grid.Cell(col::kStartDate, row), DateCellValue, entry.start.date);
    inForm = ReadPart(grid.Cell(col::kStartTime, row), TimeCellValue, entry.start.time) && inForm;
    inForm = ReadPart(grid.Cell(col::kEndDate, row), DateCellValue, entry.end.date) && inForm;
    inForm = ReadPart(grid.Cell(col::kEndTime, row), TimeCellValue, entry.end.time) && inForm;
    read.cellsInForm = inForm;
    return read;
}

std::optional<std::string> GridList::Refusal() const {
    if (!missingPeriod.empty())
        return MissingPeriodMessage(missingPeriod);
    if (!wrongCells.empty())
        return WrongCellsMessage(wrongCells);
    return std::nullopt;
}

GridList NumberListFromGrid(const IGrid& grid) {
    GridList list;
    list.entries.reserve(kEntryCount);
    for (int row = 1; row <= kEntryCount; ++row) {
        RowEntry read = ReadRowEntry(grid, row);
        const EntryCheck check = ValidateNumberEntry(read.entry);
        // A part missing because its cell is malformed is a wrong cell, not
        // a period left unset.
        if (check.periodIncomplete && HasEmptyPeriodCell(grid, row))
            list.missingPeriod.push_back(grid.Cell(col::kSerial, row));
        if (!read.cellsInForm || check.wrongValue)
            list.wrongCells.push_back(grid.Cell(col::kSerial, row));
        list.entries.push_back(std::move(read.entry));
    }
    return list;
}

} // namespace gsm::numbers
