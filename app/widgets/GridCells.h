#pragma once
// A window grid as the page codecs see it: cell texts by column and row, in
// UTF-8. Decoders write through it, encoders and exporters read through it.

#include "protocol/Grid.h"

class StringGrid;

class GridCells : public gsm::IGrid {
public:
    explicit GridCells(StringGrid& grid) : m_grid(grid) {}

    int ColCount() const override;
    int RowCount() const override;
    std::string Cell(int col, int row) const override;
    void SetCell(int col, int row, const std::string& text) override;

private:
    StringGrid& m_grid;
};
