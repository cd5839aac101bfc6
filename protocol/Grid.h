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
    TableGrid(int cols, int rows) : cols_(cols), rows_(rows), cells_(cols * rows) {}

    int ColCount() const override { return cols_; }
    int RowCount() const override { return rows_; }
    std::string Cell(int col, int row) const override {
        return Inside(col, row) ? cells_[Index(col, row)] : std::string();
    }
    void SetCell(int col, int row, const std::string& text) override {
        if (Inside(col, row))
            cells_[Index(col, row)] = text;
    }

private:
    bool Inside(int col, int row) const {
        return col >= 0 && row >= 0 && col < cols_ && row < rows_;
    }
    std::size_t Index(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col);
    }
    int cols_;
    int rows_;
    std::vector<std::string> cells_;
};

} // namespace gsm
