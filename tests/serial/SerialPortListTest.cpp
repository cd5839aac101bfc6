#include "serial/PortList.h"

#include <QDir>
#include <QFile>
#include <QSerialPortInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
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

TEST(PortList, AnnouncementDirFollowsTheRuntimeFolder) {
    {
        const RuntimeDirOverride runtime("/run/user/1234");
        EXPECT_EQ(PortList::AnnouncementDir(), "/run/user/1234/gsmgate");
    }
    const RuntimeDirOverride empty("");
    EXPECT_EQ(PortList::AnnouncementDir(), QStringLiteral("/tmp/gsmgate-%1").arg(getuid()));
}

TEST(PortList, ListsLiveAnnouncedLinksAfterTheSystemPorts) {
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const RuntimeDirOverride override(QFile::encodeName(runtime.path()));
    const QDir announce(PortList::AnnouncementDir());
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
    EXPECT_EQ(PortList().ListPorts(), expected);
}

// A folder another user can write to, or one that is not the user's own,
// could lead the programs to any device: its announcements are not listed,
// and the reason is given.
TEST(PortList, AnnouncementsAreListedOnlyFromAFolderOfTheUsersOwn) {
    struct Case {
        const char* name;
        std::function<void(const QString& folder, const QString& real)> make;
        const char* problem; // empty: listed
    } cases[] = {
        {"private", [](const QString& f, const QString&) { ::chmod(qPrintable(f), 0700); }, ""},
        {"others may write", [](const QString& f, const QString&) { ::chmod(qPrintable(f), 0777); },
         "can be written by other users"},
        {"group may write", [](const QString& f, const QString&) { ::chmod(qPrintable(f), 0770); },
         "can be written by other users"},
        {"a link to a folder",
         [](const QString& f, const QString& real) {
             QDir(f).removeRecursively();
             QFile::link(real, f);
         },
         "is not a folder"},
        {"another user's",
         [](const QString& f, const QString&) { (void)::chown(qPrintable(f), 65534, 65534); },
         "belongs to another user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (std::string(c.problem) == "belongs to another user" && ::geteuid() != 0)
            continue; // only root can give a folder away
        QTemporaryDir runtime;
        const RuntimeDirOverride override(QFile::encodeName(runtime.path()));
        const QString folder = PortList::AnnouncementDir();
        const QString real = runtime.filePath(QStringLiteral("real"));
        for (const QString& dir : {folder, real}) {
            ASSERT_TRUE(QDir().mkpath(dir));
            ::chmod(qPrintable(dir), 0700);
            ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), dir + QStringLiteral("/sim-a")));
        }
        c.make(folder, real);
        const bool listed = PortList().ListPorts().contains(folder + "/sim-a");
        EXPECT_EQ(listed, std::string(c.problem).empty());
        const QString problem = PortList::AnnouncementProblem();
        EXPECT_EQ(problem.isEmpty(), listed);
        EXPECT_TRUE(problem.contains(c.problem)) << problem.toStdString();
    }
}

} // namespace

TEST(PortList, UsbPortsComeBeforeBuiltInOnesEachInTheSystemsOrder) {
    const QList<PortEntry> ports{
        {"/dev/ttyS0", "", ""},
        {"/dev/ttyUSB1", "CP2102 USB to UART Bridge Controller", "10c4:ea60"},
        {"/dev/ttyS1", "", ""},
        {"/dev/ttyACM0", "", "2341:0043"}};
    QStringList order;
    for (const PortEntry& port : PortList::UsbFirst(ports))
        order.append(port.path);
    EXPECT_EQ(order, (QStringList{"/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1"}));
    EXPECT_EQ(ports[1].Details(), "CP2102 USB to UART Bridge Controller, USB 10c4:ea60");
    EXPECT_EQ(ports[3].Details(), "USB 2341:0043");
    EXPECT_EQ(ports[0].Details(), "");
}
