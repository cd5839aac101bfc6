#include "serial/DevicePort.h"
#include "serial/SerialPort.h"
#include "support/TestPtyPair.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Works in another folder for one test and goes back after it.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& path) : m_before(QDir::currentPath()) {
        m_changed = QDir::setCurrent(path);
    }
    ~CurrentFolder() { QDir::setCurrent(m_before); }
    bool Changed() const { return m_changed; }

private:
    QString m_before;
    bool m_changed = false;
};

// QSerialPort would look for "sims/dev" under /dev: the one open routine of
// both programs takes it from the current folder, and keeps the absolute
// path as the port's name.
TEST(OpenDevicePort, ARelativePathOpensWhatItNamesInTheCurrentFolder) {
    PtyPair pty;
    ASSERT_TRUE(pty.Valid());
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sims")));
    const QString link = QDir(dir.path()).filePath(QStringLiteral("sims/dev"));
    ASSERT_TRUE(QFile::link(pty.SlavePath(), link));
    const CurrentFolder inside(dir.path());
    ASSERT_TRUE(inside.Changed());

    SerialPort comm;
    comm.SetCommName(QStringLiteral("sims/dev"));
    const PortOpening opening = OpenDevicePort(comm);
    EXPECT_TRUE(opening.opened) << opening.OneLine().toStdString();
    EXPECT_EQ(comm.CommName(), link);
}

} // namespace
