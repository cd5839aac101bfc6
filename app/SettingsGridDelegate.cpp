#include "SettingsGridDelegate.h"

#include <QLineEdit>

TSettingsGridDelegate::TSettingsGridDelegate(EditTextChanged editTextChanged,
                                             CellPainted cellPainted, QObject* parent)
    : QStyledItemDelegate(parent), m_editTextChanged(std::move(editTextChanged)),
      m_cellPainted(std::move(cellPainted)) {}

QWidget* TSettingsGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const int col = index.column();
        const int row = index.row();
        // Typing and pasting, not the texts the rules write back.
        connect(line, &QLineEdit::textEdited, line,
                [this, col, row](const QString& text) { m_editTextChanged(col, row, text); });
    }
    return editor;
}

void TSettingsGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const QString text = index.data(Qt::EditRole).toString();
        if (line->text() != text)
            line->setText(text);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void TSettingsGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    m_cellPainted(index.column(), index.row());
}
