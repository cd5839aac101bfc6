#include "app/window/PortController.h"

#include "app/widgets/PortBox.h"
#include "app/window/MessageBoxes.h"
#include "app/window/PortOpenFailure.h"
#include "app/window/RememberedPlaces.h"
#include "l10n/Shown.h"
#include "messages/OperationTexts.h"
#include "serial/SerialPort.h"

#include <QLabel>
#include <QPushButton>

PortController::PortController(QWidget* window, const PortControls& controls, DevicePort& device,
                               gsm::OperationGate& gate, RememberedPlaces& remembered,
                               PortList& ports, QObject* parent)
    : QObject(parent), m_window(window), m_controls(controls), m_device(device), m_gate(gate),
      m_remembered(remembered), m_ports(ports) {
    connect(m_controls.portButton, &QPushButton::clicked, this, &PortController::onPortClicked);
    connect(m_controls.portBox, &PortBox::popupAboutToShow, this, &PortController::RefreshPortList);
}

void PortController::ShowLastPort() {
    m_shownBeforeList = m_remembered.LastPort();
    m_controls.portBox->setEditText(m_shownBeforeList);
}

void PortController::FillPortList(const QList<PortEntry>& first) {
    PortBox& box = *m_controls.portBox;
    const bool untouched = box.currentText() == m_shownBeforeList;
    if (untouched)
        box.setEditText({});
    box.SetPorts(first);
    if (!untouched)
        return;
    if (box.count() > 0)
        box.setCurrentIndex(0);
    box.SelectPort(m_remembered.LastPort());
}

// A port plugged in after start-up is listed the next time the list opens.
void PortController::RefreshPortList() {
    m_controls.portBox->SetPorts(m_ports.ListPortEntries());
}

void PortController::onPortClicked() {
    SerialPort& port = *m_controls.serialPort;
    port.SetCommName(m_controls.portBox->currentText().trimmed());
    if (m_buttonClicks % 2 == 0) {
        if (!OpenOrExplain()) {
            m_controls.portButton->setText(tr("Open"));
            return;
        }
        ++m_buttonClicks;
        m_remembered.SetLastPort(port.CommName());
        //: Button: closes the serial port
        m_controls.portButton->setText(tr("Close"));
        ShowIndicator(true);
    } else {
        ++m_buttonClicks;
        m_controls.portButton->setText(tr("Open"));
        // A transfer cannot outlive its port: it ends here, not at a timeout.
        port.ClosePort();
        m_device.Client().LinkLost();
        ShowIndicator(false);
    }
}

// Every way an open can fail ends with the port closed and the reason in
// front of the user.
bool PortController::OpenOrExplain() {
    const PortOpening opening = OpenDevicePort(*m_controls.serialPort);
    if (opening.opened)
        return true;
    CloseQuietly();
    ShowMessage(m_window, tr(kPortErrorText),
                PortOpenFailureDetails(opening.failure, opening.reason, opening.permissionDenied));
    return false;
}

QString PortController::PortName() const {
    return m_controls.serialPort->CommName();
}

bool PortController::PortOpen() const {
    return m_controls.serialPort->PortOpen();
}

void PortController::CloseQuietly() {
    if (m_controls.serialPort->PortOpen())
        m_controls.serialPort->ClosePort();
    m_device.Client().LinkLost();
}

void PortController::onLinkLost() {
    // A hang-up and a failed write may both report the same loss.
    if (!PortOpen())
        return;
    // Closed first: the transfer that ends here sees a port that is gone.
    m_controls.serialPort->ClosePort();
    m_device.Client().LinkLost();
    ShowPortClosed();
    // The device may have been swapped or reset: it must be logged in to again.
    m_gate.SetLoggedIn(false);
    ShowMessage(m_window, gsm::l10n::Shown("DeviceTexts", gsm::message::kDeviceDisconnected));
}

void PortController::ShowPortClosed() {
    // An even count makes the next click open the port.
    if (m_buttonClicks % 2 != 0)
        ++m_buttonClicks;
    m_controls.portButton->setText(tr("Open"));
    ShowIndicator(false);
}

// The square behind is hidden as well as covered, so a screen reader only
// finds the one that is seen.
void PortController::ShowIndicator(bool open) {
    QLabel* front = open ? m_controls.openIndicator : m_controls.closedIndicator;
    QLabel* behind = open ? m_controls.closedIndicator : m_controls.openIndicator;
    front->show();
    front->raise();
    behind->hide();
}
