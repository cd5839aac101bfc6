// The program's message boxes as a user meets them.

#include "support/QtTestApp.h"

#include "app/window/MessageBoxes.h"
#include "support/ModalAnswer.h"

#include <QWidget>

#include <gtest/gtest.h>

using gsm::test::ModalAnswer;

namespace {

TEST(Dialogs, MessageHasEmptyTitleAndOneOkButton) {
    ModalAnswer answers;
    answers.Queue(ModalAnswer::Ok());
    ShowMessage(nullptr, "Password Error!");
    ASSERT_EQ(answers.SeenBoxes().size(), 1u);
    const auto& box = answers.SeenBoxes()[0];
    EXPECT_EQ(box.text, "Password Error!");
    EXPECT_EQ(box.title, "");
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QStringList{"OK"});
}

TEST(Dialogs, TitledMessageCarriesTheMainWindowCaption) {
    QWidget window;
    window.setWindowTitle("Main caption");
    ModalAnswer answers;
    answers.Queue(ModalAnswer::Ok());
    ShowTitledMessage(&window, "No records");
    ASSERT_EQ(answers.SeenBoxes().size(), 1u);
    EXPECT_EQ(answers.SeenBoxes()[0].title, "Main caption");
}

TEST(Dialogs, ReadConfirmationOffersYesAndNoCaptions) {
    ModalAnswer answers;
    answers.Queue(ModalAnswer::Caption("OK(&Y)"));
    answers.Queue(ModalAnswer::Caption("Cancel(&N)"));
    EXPECT_TRUE(ConfirmRead(nullptr, "Read the GSM device basic parameters to PC software?"));
    EXPECT_FALSE(ConfirmRead(nullptr, "Read the GSM device basic parameters to PC software?"));
    ASSERT_EQ(answers.SeenBoxes().size(), 2u);
    const auto& box = answers.SeenBoxes()[0];
    EXPECT_EQ(box.title, "");
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_TRUE(box.buttons.contains("OK(&Y)"));
    EXPECT_TRUE(box.buttons.contains("Cancel(&N)"));
}

TEST(Dialogs, WarningGoesAheadOnlyOnOk) {
    ModalAnswer answers;
    answers.Queue(ModalAnswer::Cancel());
    answers.Queue(ModalAnswer::Ok());
    EXPECT_FALSE(ConfirmWarning(nullptr, "Warning"));
    EXPECT_TRUE(ConfirmWarning(nullptr, "Warning"));
    ASSERT_EQ(answers.SeenBoxes().size(), 2u);
    EXPECT_EQ(answers.SeenBoxes()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(answers.SeenBoxes()[0].title, "");
}

} // namespace
