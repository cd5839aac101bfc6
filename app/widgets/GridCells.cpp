#include "GridCells.h"

#include "StringGrid.h"

int GridCells::ColCount() const {
    return m_grid.ColCount();
}

int GridCells::RowCount() const {
    return m_grid.RowCount();
}

std::string GridCells::Cell(int col, int row) const {
    return m_grid.Cells(col, row).toStdString();
}

void GridCells::SetCell(int col, int row, const std::string& text) {
    m_grid.SetCells(col, row, QString::fromStdString(text));
}
