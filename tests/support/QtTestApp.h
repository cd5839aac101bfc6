#pragma once
// Include from every GUI test file: one QApplication (Fusion style, as the
// program uses) lives from the first test to the last.

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace gsm::test {

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance())
            return;
        UseTestScreen();
        KeepSettingsAway();
        m_app = std::make_unique<QApplication>(m_argc, m_argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    void TearDown() override {
        m_app.reset();
        m_config.reset();
        m_data.reset();
    }

private:
    // The offscreen platform's own screen is 800 x 600, too small for the
    // window's layout; tests see a common laptop screen, where it opens whole.
    static void UseTestScreen() {
#ifdef GSM_TEST_DATA_DIR
        if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
            qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + GSM_TEST_DATA_DIR
                                           "/offscreen-screen.json");
#endif
    }

    // What the program remembers between runs, and the backups its saves
    // take, go to folders of the tests' own, never to the user's.
    void KeepSettingsAway() {
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
        m_data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_data->path().toLocal8Bit());
    }

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QTemporaryDir> m_data;
    int m_argc = 1;
    char m_name[16] = "gui_test";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_app;
};

// gtest owns registered environments.
inline ::testing::Environment* const kQtAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);

} // namespace gsm::test
