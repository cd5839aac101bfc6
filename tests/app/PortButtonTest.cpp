// Opening and closing the port with the "Open"/"Close" button.

#include "support/QtTestApp.h"

#include "app/widgets/PortBox.h"
#include "app/widgets/StatusBar.h"
#include "app/window/MainWindow.h"
#include "app/window/PortController.h"
#include "app/window/PortOpenFailure.h"
#include "serial/SerialPort.h"
#include "support/AccessibleText.h"
#include "support/ModalAnswer.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>
#include <pty.h>
#include <unistd.h>

using gsm::test::AccessibleName;
using gsm::test::AccessiblyInvisible;
using gsm::test::ModalAnswer;

namespace {

// A pseudo-terminal pair standing in for a device; the slave side is the port.
class Pty {
public:
    Pty() {
        char name[256] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0)
            m_path = QString::fromLocal8Bit(name);
    }
    ~Pty() {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    QString Path() const { return m_path; }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

class PortButton : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<MainWindow>();
        form->show();
    }
    void TypePort(const QString& path) { form->Controls().portBox->setEditText(path); }
    QLabel* IndicatorInFront() const {
        return qobject_cast<QLabel*>(form->Controls().statusPanels->childAt(
            form->Controls().portClosedIndicator->geometry().center()));
    }

    std::unique_ptr<MainWindow> form;
};

TEST_F(PortButton, MissingPortIsExplainedAndLeftClosed) {
    TypePort("/dev/gsmgate-no-such-port");
    ModalAnswer answers;
    answers.Queue(ModalAnswer::Ok());
    form->Controls().portButton->click();

    ASSERT_EQ(answers.SeenBoxes().size(), 1u);
    const auto& box = answers.SeenBoxes()[0];
    EXPECT_EQ(box.text, "COM Port error");
    EXPECT_EQ(box.title, "");
    EXPECT_EQ(box.buttons, QStringList{"OK"});
    EXPECT_FALSE(box.details.isEmpty()) << "the reason is shown under the message";
    EXPECT_EQ(form->Controls().portButton->text(), "Open");
    EXPECT_EQ(IndicatorInFront(), form->Controls().portClosedIndicator);
    EXPECT_FALSE(form->Controls().serialPort->PortOpen());
    EXPECT_EQ(form->Port().ButtonClicks(), 0);

    // The next click tries to open again, and fails the same way.
    answers.Queue(ModalAnswer::Ok());
    form->Controls().portButton->click();
    ASSERT_EQ(answers.SeenBoxes().size(), 2u);
    EXPECT_EQ(answers.SeenBoxes()[1].text, "COM Port error");
    EXPECT_EQ(form->Controls().portButton->text(), "Open");
}

TEST_F(PortButton, OpensAndClosesARealTerminal) {
    Pty pty;
    ASSERT_FALSE(pty.Path().isEmpty());
    // Blanks around a typed name are ignored.
    TypePort("  " + pty.Path() + " ");
    form->Controls().portButton->click();
    EXPECT_TRUE(form->Controls().serialPort->PortOpen());
    EXPECT_EQ(form->Controls().serialPort->CommName(), pty.Path());
    EXPECT_EQ(form->Controls().serialPort->BaudRate(), 115200u);
    EXPECT_EQ(form->Controls().portButton->text(), "Close");
    EXPECT_EQ(IndicatorInFront(), form->Controls().portOpenIndicator);
    // A screen reader hears the state the user sees.
    EXPECT_EQ(AccessibleName(form->Controls().portButton), "Close");
    EXPECT_EQ(AccessibleName(form->Controls().portOpenIndicator), "Port open");
    EXPECT_TRUE(AccessiblyInvisible(form->Controls().portClosedIndicator));
    EXPECT_FALSE(AccessiblyInvisible(form->Controls().portOpenIndicator));

    form->Controls().portButton->click();
    EXPECT_FALSE(form->Controls().serialPort->PortOpen());
    EXPECT_EQ(form->Controls().portButton->text(), "Open");
    EXPECT_EQ(IndicatorInFront(), form->Controls().portClosedIndicator);
    EXPECT_EQ(AccessibleName(form->Controls().portButton), "Open");
    EXPECT_TRUE(AccessiblyInvisible(form->Controls().portOpenIndicator));
    EXPECT_EQ(form->Port().ButtonClicks(), 2);
}

TEST_F(PortButton, ClosingTheWindowClosesThePort) {
    Pty pty;
    TypePort(pty.Path());
    form->Controls().portButton->click();
    ASSERT_TRUE(form->Controls().serialPort->PortOpen());
    form->close();
    EXPECT_FALSE(form->Controls().serialPort->PortOpen());
}

TEST(PortFailureText, PermissionProblemTellsHowToGetAccess) {
    EXPECT_EQ(PortOpenFailureDetails("Error opening serial port", "Permission denied", true),
              "Error opening serial port\n"
              "Permission denied. Add your user to the 'dialout' group and log in again.");
    EXPECT_EQ(
        PortOpenFailureDetails("Error opening serial port", "No such file or directory", false),
        "Error opening serial port\nNo such file or directory");
    EXPECT_EQ(PortOpenFailureDetails("", "Device busy", false), "Device busy");
    EXPECT_EQ(PortOpenFailureDetails("Same", "Same", false), "Same");
}

} // namespace
