#include "GridCells.h"

#include "StringGrid.h"

int TGridCells::ColCount() const {
    return m_grid.ColCount();
}

int TGridCells::RowCount() const {
    return m_grid.RowCount();
}

std::string TGridCells::Cell(int col, int row) const {
    return m_grid.Cells(col, row).toStdString();
}

void TGridCells::SetCell(int col, int row, const std::string& text) {
    m_grid.SetCells(col, row, QString::fromStdString(text));
}
