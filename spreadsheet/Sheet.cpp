#include "Sheet.h"

namespace gsm {

const SheetCell* Sheet::Find(int row, int column) const {
    const auto found = m_cells.find({row, column});
    return found == m_cells.end() ? nullptr : &found->second;
}

SheetCell& Sheet::At(int row, int column) {
    return m_cells[{row, column}];
}

std::optional<double> Sheet::ColumnWidth(int column) const {
    const auto found = m_widths.find(column);
    if (found == m_widths.end())
        return std::nullopt;
    return found->second;
}

} // namespace gsm
