#pragma once
// The cell texts of a string grid, as the table view beside it shows them.
// Row 0 holds the header texts and column 0 the fixed column, as in a
// classic string grid; the view hides row 0 and shows its texts in its header.
//
// The program writes cells in bulk (a page of a transfer, a whole sort or
// import), so those writes are announced with the next frame as one changed
// range: the view repaints what it shows once instead of once per cell.
// Edits typed into the view are announced at once.

#include "FramePacer.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <vector>

class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    GridModel(int colCount, int rowCount, const QBrush& fixedColumnBackground,
              QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Empty outside the grid.
    QString Text(int col, int row) const;
    // Outside the grid nothing is written.
    void SetText(int col, int row, const QString& text);
    // What the cells of data column `col` allow (the fixed column allows
    // nothing but being shown).
    void SetColumnFlags(int col, Qt::ItemFlags flags);
    // The header row and data columns `columns` are shown translated in
    // `context` (a string literal); Text() and the edit role keep what was
    // written.
    void ShowCaptionsTranslated(const char* context, std::initializer_list<int> columns);
    // Announces the cells written since the last announcement now.
    void AnnounceWrittenCells();
    bool AllAnnounced() const { return !m_frame.Pending(); }

private:
    bool Inside(int col, int row) const;
    QString Shown(int col, int row) const;
    std::size_t IndexOf(int col, int row) const;
    void NoteWritten(int col, int row);

    int m_cols;
    int m_rows;
    std::vector<QString> m_texts;
    std::vector<Qt::ItemFlags> m_columnFlags;
    QBrush m_fixedBackground;
    const char* m_captionContext = nullptr;
    std::vector<bool> m_translatedColumns;
    QRect m_written; // x: columns, y: rows
    FramePacer m_frame;
};
