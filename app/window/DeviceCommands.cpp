#include "app/window/DeviceCommands.h"

#include "app/window/DeviceReporter.h"
#include "app/window/MessageBoxes.h"
#include "l10n/Shown.h"
#include "messages/OperationTexts.h"
#include "protocol/LocalTime.h"
#include "protocol/Login.h"

#include <QLineEdit>

#include <string_view>

DeviceCommands::DeviceCommands(QWidget* window, QLineEdit* passwordBox, gsm::DeviceClient& client,
                               DeviceReporter& reporter, gsm::OperationGate& gate, QObject* parent)
    : QObject(parent), m_window(window), m_passwordBox(passwordBox), m_client(client),
      m_reporter(reporter), m_gate(gate) {}

void DeviceCommands::onLoginClicked() {
    m_client.LogIn([this](const gsm::OperationResult& result, const gsm::Page& firstPage) {
        if (result.Ok()) {
            m_reporter.ShowStatus(gsm::status::kReadingBasicSetting);
            const std::string device =
                gsm::DevicePassword(firstPage, [this](std::span<const std::uint8_t> bytes) {
                    return m_codePage->Decode(std::string_view(
                        reinterpret_cast<const char*>(bytes.data()), bytes.size()));
                });
            // The box, unchanged: a blank typed after the password is part of it.
            const bool match = gsm::PasswordsMatch(m_passwordBox->text().toStdString(), device);
            m_reporter.ShowMessage(match ? gsm::message::kPasswordConfirmed
                                         : gsm::message::kPasswordError);
            m_gate.SetLoggedIn(match);
        }
        m_reporter.Ended(result);
    });
}

void DeviceCommands::onDeleteHistoryClicked() {
    if (ConfirmWarning(m_window,
                       gsm::l10n::Shown("DeviceTexts", gsm::message::kDeleteHistoryWarning)))
        Send(gsm::SingleCommand::DeleteHistory());
}

void DeviceCommands::onSetClockClicked() {
    Send(gsm::SingleCommand::SetClock(gsm::LocalNow()));
}

void DeviceCommands::onCheckModeClicked() {
    Send(gsm::SingleCommand::CheckMode());
}

void DeviceCommands::Send(const gsm::SingleCommand& command) {
    m_client.SendCommand(command,
                         [this](const gsm::OperationResult& result) { m_reporter.Ended(result); });
}
