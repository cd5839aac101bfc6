#pragma once
// The device commands of the top bar and the history sheet: log in with the
// password box, delete the device's history after a warning, set its clock,
// enter check mode. Each goes through the device client and ends as the
// reporter tells it.

#include "protocol/DeviceClient.h"
#include "protocol/OperationGate.h"
#include "text/CodePage.h"

#include <QObject>

class DeviceReporter;
class QLineEdit;
class QWidget;

class DeviceCommands : public QObject {
    Q_OBJECT

public:
    DeviceCommands(QWidget* window, QLineEdit* passwordBox, gsm::DeviceClient& client,
                   DeviceReporter& reporter, gsm::OperationGate& gate, QObject* parent = nullptr);

    // The code page the device's password bytes are read in.
    void SetCodePage(const gsm::CodePage* codePage) { m_codePage = codePage; }

    void onLoginClicked();
    void onDeleteHistoryClicked();
    void onSetClockClicked();
    void onCheckModeClicked();

private:
    void Send(const gsm::SingleCommand& command);

    QWidget* m_window;
    QLineEdit* m_passwordBox;
    gsm::DeviceClient& m_client;
    DeviceReporter& m_reporter;
    gsm::OperationGate& m_gate;
    const gsm::CodePage* m_codePage = &gsm::SystemCodePageInstance();
};
