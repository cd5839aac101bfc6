#pragma once
// End-to-end tests against the simulated device: starts `gsmgate-sim` on a
// pseudo-terminal, opens it in the real window and logs in, and reads back
// the frames the simulator saw.
//
//   SimProcess sim({"--scenario", "busy"});
//   WindowSession session(form, sim);
//   ASSERT_TRUE(session.OpenAndLogIn());

#include "ModalAnswer.h"
#include "SimProcess.h"
#include "app/widgets/PortBox.h"
#include "app/window/MainWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace gsm::test {

// Drives the window the way a user does: port box, "Open", password, "Log in".
class WindowSession {
public:
    WindowSession(MainWindow& form, SimProcess& sim, ModalAnswer& answers)
        : m_form(form), m_sim(sim), m_answers(answers) {}

    bool Open() {
        m_form.Controls().portBox->setEditText(m_sim.PtyPath());
        m_form.Controls().portButton->click();
        return m_form.Controls().portButton->text() == "Close";
    }

    // Logs in with `password` and answers the result box; returns its text.
    QString LogIn(const QString& password = QStringLiteral("7145")) {
        m_form.Controls().passwordBox->setText(password);
        const std::size_t seen = m_answers.SeenBoxes().size();
        m_answers.Queue(ModalAnswer::Ok());
        m_form.Controls().loginButton->click();
        if (!m_answers.WaitUntilAnswered(10000) || m_answers.SeenBoxes().size() <= seen)
            return {};
        // Let the receive path finish the frame the box was shown from.
        QCoreApplication::processEvents();
        return m_answers.SeenBoxes().back().text;
    }

    bool OpenAndLogIn() { return Open() && LogIn() == "Password confirmed!"; }

private:
    MainWindow& m_form;
    SimProcess& m_sim;
    ModalAnswer& m_answers;
};

} // namespace gsm::test
