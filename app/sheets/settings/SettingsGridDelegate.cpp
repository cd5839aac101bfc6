#include "SettingsGridDelegate.h"

#include "app/widgets/PlainTextCell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

SettingsGridDelegate::SettingsGridDelegate(EditTextChanged editTextChanged, CellPainted cellPainted,
                                           QObject* parent)
    : QStyledItemDelegate(parent), m_editTextChanged(std::move(editTextChanged)),
      m_cellPainted(std::move(cellPainted)) {}

QWidget* SettingsGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
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

void SettingsGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const QString text = index.data(Qt::EditRole).toString();
        if (line->text() != text)
            line->setText(text);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void SettingsGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    if (!PaintPlainTextCell(*painter, cell))
        QStyledItemDelegate::paint(painter, option, index);
    m_cellPainted(index.column(), index.row());
}

bool SettingsGridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (!editor || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(object, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
        return QStyledItemDelegate::eventFilter(object, event);
    // The editor sits on the grid's viewport.
    QWidget* grid = editor->parentWidget() ? editor->parentWidget()->parentWidget() : nullptr;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    // Closing hands the focus to the grid; the same key takes it on from there.
    if (grid) {
        QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
        QApplication::sendEvent(grid, &again);
    }
    return true;
}
