#pragma once
// The port bar and the port behind it: the list of ports, the Open/Close
// button and the square that shows whether the port is open. Opening fails
// in front of the user with the reason; a port that goes away underneath is
// closed, shown closed and logged out of, and the user is told once.

#include "protocol/OperationGate.h"
#include "serial/DevicePort.h"
#include "serial/PortList.h"

#include <QList>
#include <QObject>
#include <QString>

class PortBox;
class QLabel;
class QPushButton;
class QWidget;
class RememberedPlaces;
class SerialPort;

struct PortControls {
    PortBox* portBox;
    QPushButton* portButton;
    QLabel* closedIndicator; // red
    QLabel* openIndicator;   // green
    SerialPort* serialPort;
};

class PortController : public QObject {
    Q_OBJECT

public:
    PortController(QWidget* window, const PortControls& controls, DevicePort& device,
                   gsm::OperationGate& gate, RememberedPlaces& remembered, PortList& ports,
                   QObject* parent = nullptr);

    // Asking the system for its ports is slow: until the first list is in,
    // the box shows the port opened last.
    void ShowLastPort();
    // The first list of ports; the one opened last is selected when it is
    // listed, else the first. What the user typed or picked meanwhile stays.
    void FillPortList(const QList<PortEntry>& first);

    void onPortClicked();
    // The port went away underneath, or would not take a frame while open.
    void onLinkLost();
    // Closes the port without a word, ending whatever waits on it.
    void CloseQuietly();

    QString PortName() const;
    bool PortOpen() const;
    void ShowIndicator(bool open);
    // Clicks on the port button so far: even means the next click opens.
    int ButtonClicks() const { return m_buttonClicks; }

private:
    bool OpenOrExplain();
    void ShowPortClosed();
    void RefreshPortList();

    QWidget* m_window;
    PortControls m_controls;
    DevicePort& m_device;
    gsm::OperationGate& m_gate;
    RememberedPlaces& m_remembered;
    PortList& m_ports;
    QString m_shownBeforeList;
    int m_buttonClicks = 0;
};
