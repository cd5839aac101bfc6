#include "Trecognitionserial.h"

#include <QDir>
#include <QFile>
#include <QSerialPortInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Points XDG_RUNTIME_DIR somewhere else for one test and restores it after.
class RuntimeDirOverride {
public:
    explicit RuntimeDirOverride(const QByteArray& value)
        : m_had(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")), m_old(qgetenv("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", value);
    }
    ~RuntimeDirOverride() {
        if (m_had)
            qputenv("XDG_RUNTIME_DIR", m_old);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }

private:
    bool m_had;
    QByteArray m_old;
};

TEST(Trecognitionserial, AnnouncementDirFollowsTheRuntimeFolder) {
    {
        const RuntimeDirOverride runtime("/run/user/1234");
        EXPECT_EQ(Trecognitionserial::AnnouncementDir(), "/run/user/1234/gsmgate");
    }
    const RuntimeDirOverride empty("");
    EXPECT_EQ(Trecognitionserial::AnnouncementDir(),
              QStringLiteral("/tmp/gsmgate-%1").arg(getuid()));
}

TEST(Trecognitionserial, ListsLiveAnnouncedLinksAfterTheSystemPorts) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const RuntimeDirOverride override(QFile::encodeName(runtime.path()));
    const QDir announce(Trecognitionserial::AnnouncementDir());
    ASSERT_TRUE(QDir().mkpath(announce.path()));

    QFile target(runtime.filePath(QStringLiteral("device")));
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(target.fileName(), announce.filePath(QStringLiteral("sim-b"))));
    ASSERT_TRUE(QFile::link(target.fileName(), announce.filePath(QStringLiteral("sim-a"))));
    ASSERT_TRUE(QFile::link(runtime.filePath(QStringLiteral("gone")),
                            announce.filePath(QStringLiteral("sim-0-dangling"))));
    QFile plain(announce.filePath(QStringLiteral("not-a-link")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));

    QStringList expected;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        expected << info.systemLocation();
    expected << announce.filePath(QStringLiteral("sim-a"))
             << announce.filePath(QStringLiteral("sim-b"));
    EXPECT_EQ(Trecognitionserial().ListPorts(), expected);
}

} // namespace

TEST(Trecognitionserial, UsbPortsComeBeforeBuiltInOnesEachInTheSystemsOrder) {
    const QList<PortEntry> ports{
        {"/dev/ttyS0", "", ""},
        {"/dev/ttyUSB1", "CP2102 USB to UART Bridge Controller", "10c4:ea60"},
        {"/dev/ttyS1", "", ""},
        {"/dev/ttyACM0", "", "2341:0043"}};
    QStringList order;
    for (const PortEntry& port : Trecognitionserial::UsbFirst(ports))
        order.append(port.path);
    EXPECT_EQ(order, (QStringList{"/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1"}));
    EXPECT_EQ(ports[1].Details(), "CP2102 USB to UART Bridge Controller, USB 10c4:ea60");
    EXPECT_EQ(ports[3].Details(), "USB 2341:0043");
    EXPECT_EQ(ports[0].Details(), "");
}
