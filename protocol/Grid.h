#pragma once
// The grids are the data model: decoders write cells, encoders, validators,
// filters and exporters read them. Codecs see a grid only through this
// interface; the window implements it over its table widgets, tests over a
// plain table. Texts are UTF-8; columns and rows are zero-based, column first.

#include <string>
#include <vector>

namespace gsm {

class IGrid {
public:
    virtual ~IGrid() = default;
    virtual int ColCount() const = 0;
    virtual int RowCount() const = 0;
    virtual std::string Cell(int col, int row) const = 0;
    virtual void SetCell(int col, int row, const std::string& text) = 0;
};

// A grid held in memory: the stand-in for a table widget in tests, and a
// scratch copy where a whole file must be checked before the real grid changes.
class TableGrid : public IGrid {
public:
    TableGrid(int cols, int rows) : m_cols(cols), m_rows(rows), m_cells(cols * rows) {}

    int ColCount() const override { return m_cols; }
    int RowCount() const override { return m_rows; }
    std::string Cell(int col, int row) const override {
        return Inside(col, row) ? m_cells[Index(col, row)] : std::string();
    }
    void SetCell(int col, int row, const std::string& text) override {
        if (Inside(col, row))
            m_cells[Index(col, row)] = text;
    }

private:
    bool Inside(int col, int row) const {
        return col >= 0 && row >= 0 && col < m_cols && row < m_rows;
    }
    std::size_t Index(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) +
               static_cast<std::size_t>(col);
    }
    int m_cols;
    int m_rows;
    std::vector<std::string> m_cells;
};

} // namespace gsm
