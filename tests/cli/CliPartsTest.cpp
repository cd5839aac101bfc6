// The parts of gsmgate-cli that decide without a device: where the password
// comes from, and where several devices' files go.
#include "cli/Password.h"
#include "cli/Runner.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

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
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
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

// A password others may read is no secret, and one others may write is not
// the user's: the file is refused, saying why.
TEST(CliPassword, AFileOthersMayReadOrWriteRefusesTheCommand) {
    QTemporaryDir dir;
    const QString path = dir.filePath("password");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2468\n");
    file.close();
    for (const mode_t mode : {0600, 0400, 0700, 0640, 0620, 0604, 0602, 0644}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(qPrintable(path), mode), 0);
        QString error;
        const std::optional<std::string> password =
            ResolvePassword(PasswordSource{path, std::nullopt, false}, &error);
        const bool shared = (mode & 066) != 0;
        EXPECT_EQ(password.has_value(), !shared);
        if (shared) {
            EXPECT_TRUE(error.contains(
                QStringLiteral("other users (mode 0%1)").arg(QString::number(mode, 8))))
                << error.toStdString();
        }
    }
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
