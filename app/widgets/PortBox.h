#pragma once
// The port box: an editable list of serial ports that asks for a fresh list
// each time its drop-down is about to open, so a USB adapter plugged in
// meanwhile is there without a restart. Each item tells its device and USB
// id in its tooltip.

#include "serial/PortList.h"

#include <QComboBox>

class PortBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    // Lists `ports` in their order. A text typed into the box stays.
    void SetPorts(const QList<PortEntry>& ports);
    // Selects the item of `path`; false when it is not listed.
    bool SelectPort(const QString& path);

    void showPopup() override;

signals:
    void popupAboutToShow();

private:
    // Port paths are longer than the narrow box: the drop-down shows them whole.
    void WidenDropDown();
};
