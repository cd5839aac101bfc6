#pragma once
// The four date and time pickers of the number list. They sit behind the
// grid until the grid paints the current period cell, which lays the cell's
// picker over it; a picker writes its value back into the cell when it is left.

#include <QFont>
#include <QRect>
#include <QString>

#include <array>

class QDateEdit;
class QDateTimeEdit;
class QTimeEdit;
class QWidget;

class NumberPickers {
public:
    NumberPickers(QDateEdit* startDate, QTimeEdit* startTime, QDateEdit* endDate,
                  QTimeEdit* endTime);

    // A cell is only 83 to 91 pixels wide: the pickers go without a frame and
    // in a narrower face; where a whole date still does not fit beside the
    // drop-down arrow, the picker laid over a cell takes a smaller size.
    void FitToCells();

    // The picker of period column `col` (2 to 5), or nullptr for other columns.
    QDateTimeEdit* For(int col) const;

    // Only the picker of `col` is visible; it stays behind the grid.
    void ShowOnly(int col);
    // Every picker at the back of its parent, behind the grid and the
    // panels beside it, where nothing of it can be seen.
    void SendBehind();
    // Lays the picker of `col` over `cell` (given in the grid's parent) in
    // front of the grid. Nothing is moved or raised when it is there already,
    // so a repaint of the grid does not start another one.
    void PlaceOver(int col, const QRect& cell);
    bool InFront(int col) const;

    // Shows the cell's date or time; a text that is no date or time leaves
    // the picker as it is. The change is not reported as the user's own.
    void Load(int col, const QString& cellText);
    // The picker's value as its cell holds it: "yyyy/MM/dd" or "hh:mm".
    QString CellText(int col) const;

private:
    static constexpr int kFirstCol = 2;
    static constexpr int kCount = 4;

    QDateEdit* m_startDate;
    QTimeEdit* m_startTime;
    QDateEdit* m_endDate;
    QTimeEdit* m_endTime;
    std::array<bool, kCount> m_inFront{};
    QFont m_face; // the narrow face set by FitToCells
};
