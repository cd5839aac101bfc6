#pragma once
// Paints and edits the cells of the settings grid. It tells its owner about
// every change of the in-place editor's text and about every cell it paints,
// which is where the choice lists find their places.

#include <QStyledItemDelegate>

#include <functional>

class SettingsGridDelegate : public QStyledItemDelegate {
public:
    using EditTextChanged = std::function<void(int col, int row, const QString& text)>;
    using CellPainted = std::function<void(int col, int row)>;

    SettingsGridDelegate(EditTextChanged editTextChanged, CellPainted cellPainted,
                         QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // Leaves the editor alone while it already shows the cell's text, so the
    // caret stays where the user put it.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    // Tab in the editor ends the editing and leaves the grid, as Tab does on
    // the grid itself: the grid has no tab stops between its cells.
    bool eventFilter(QObject* editor, QEvent* event) override;

private:
    EditTextChanged m_editTextChanged;
    CellPainted m_cellPainted;
};
