#pragma once
// End-to-end tests against the simulated device: starts `gsmgate-sim` on a
// pseudo-terminal, opens it in the real window and logs in, and reads back
// the frames the simulator saw.
//
//   SimProcess sim({"--scenario", "busy"});
//   DeviceSession session(form, sim);
//   ASSERT_TRUE(session.OpenAndLogIn());

#include "ModalAnswer.h"
#include "SimProcess.h"
#include "Unit1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace gsm::test {

// Drives the window the way a user does: port box, "Open", password, "Log in".
class DeviceSession {
public:
    DeviceSession(TForm1& form, SimProcess& sim, ModalAnswer& answers)
        : m_form(form), m_sim(sim), m_answers(answers) {}

    bool Open() {
        m_form.Ui().cbb9->setEditText(m_sim.PtyPath());
        m_form.Ui().btn8->click();
        return m_form.Ui().btn8->text() == "Close";
    }

    // Logs in with `password` and answers the result box; returns its text.
    QString LogIn(const QString& password = QStringLiteral("7145")) {
        m_form.Ui().edt3->setText(password);
        const std::size_t seen = m_answers.SeenBoxes().size();
        m_answers.Queue(ModalAnswer::Ok());
        m_form.Ui().btn1->click();
        if (!m_answers.WaitUntilAnswered(10000) || m_answers.SeenBoxes().size() <= seen)
            return {};
        // Let the receive path finish the frame the box was shown from.
        QCoreApplication::processEvents();
        return m_answers.SeenBoxes().back().text;
    }

    bool OpenAndLogIn() { return Open() && LogIn() == "Password confirmed!"; }

private:
    TForm1& m_form;
    SimProcess& m_sim;
    ModalAnswer& m_answers;
};

} // namespace gsm::test
