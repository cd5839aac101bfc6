// The parts of gsmgate-cli that decide without a device: where the password
// comes from, and where several devices' files go.
#include "Password.h"
#include "Runner.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace gsm::cli {
namespace {

struct PasswordCase {
    const char* name;
    bool file;
    std::optional<QString> environment;
    const char* expected;
};

class CliPassword : public ::testing::TestWithParam<PasswordCase> {};

TEST_P(CliPassword, FileBeforeEnvironmentBeforeFactory) {
    QTemporaryDir dir;
    const QString path = dir.filePath("password");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2468\r\nnot this line\n");
    file.close();
    const PasswordCase& c = GetParam();
    QString error;
    const std::optional<std::string> password =
        ResolvePassword(PasswordSource{c.file ? path : QString(), c.environment, false}, &error);
    ASSERT_TRUE(password) << error.toStdString();
    EXPECT_EQ(*password, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, CliPassword,
    ::testing::Values(PasswordCase{"File", true, QStringLiteral("1357"), "2468"},
                      PasswordCase{"Environment", false, QStringLiteral("1357"), "1357"},
                      PasswordCase{"EmptyEnvironment", false, QString(), kFactoryPassword},
                      PasswordCase{"Factory", false, std::nullopt, kFactoryPassword}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliPassword, UnreadableFileRefusesTheCommand) {
    QString error;
    EXPECT_FALSE(
        ResolvePassword(PasswordSource{"/nonexistent/password", std::nullopt, false}, &error));
    EXPECT_TRUE(error.contains("/nonexistent/password"));
}

TEST(CliOutput, SeveralDevicesGetTheirPortsNameBeforeTheExtension) {
    EXPECT_EQ(OutputFor("out/site.json", "/dev/ttyUSB0", false), "out/site.json");
    EXPECT_EQ(OutputFor("out/site.json", "/dev/ttyUSB0", true), "out/site-ttyUSB0.json");
    EXPECT_EQ(OutputFor("list.v2.xlsx", "/dev/pts/7", true), "./list.v2-7.xlsx");
    EXPECT_EQ(OutputFor("list", "/dev/ttyACM1", true), "./list-ttyACM1");
    EXPECT_EQ(OutputFor("-", "/dev/ttyUSB0", true), "-");
}

} // namespace
} // namespace gsm::cli
