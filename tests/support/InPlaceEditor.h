#pragma once
// Whether a grid has an in-place editor open: the editors of an item view
// are the visible children of its viewport.

#include <QAbstractItemView>

namespace gsm::test {

inline bool EditorOpen(const QAbstractItemView& view) {
    for (const QWidget* child : view.viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible())
            return true;
    return false;
}

} // namespace gsm::test
