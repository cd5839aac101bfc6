#pragma once
// One QCoreApplication for the tests that need an event loop but no widgets.

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace gsm::test {

// QProcess needs an application object.
class CoreAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (!QCoreApplication::instance())
            m_app = std::make_unique<QCoreApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "workbook_test";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QCoreApplication> m_app;
};

inline ::testing::Environment* const kCoreAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new CoreAppEnvironment);

} // namespace gsm::test
