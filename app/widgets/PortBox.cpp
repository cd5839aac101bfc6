#include "PortBox.h"

#include <QAbstractItemView>

#include <algorithm>

void PortBox::SetPorts(const QList<PortEntry>& ports) {
    const QString typed = currentText();
    clear();
    for (const PortEntry& port : ports) {
        addItem(port.path);
        if (const QString details = port.Details(); !details.isEmpty())
            setItemData(count() - 1, details, Qt::ToolTipRole);
    }
    if (!typed.isEmpty() && !SelectPort(typed))
        setEditText(typed);
    WidenDropDown();
}

bool PortBox::SelectPort(const QString& path) {
    const int at = path.isEmpty() ? -1 : findText(path);
    if (at >= 0)
        setCurrentIndex(at);
    return at >= 0;
}

void PortBox::showPopup() {
    emit popupAboutToShow();
    QComboBox::showPopup();
}

void PortBox::WidenDropDown() {
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)));
    view()->setMinimumWidth(widest + 2 * fontMetrics().averageCharWidth());
}
