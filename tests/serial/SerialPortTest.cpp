#include "serial/SerialPort.h"
#include "support/TestPtyPair.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

namespace {

struct Delivery {
    QByteArray bytes;
    bool terminated; // the byte after the last one handed over is 0
};

class SerialPortOnPty : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Valid());
        comm.SetCommName(pty.SlavePath());
        comm.SetBaudRate(115200);
        comm.OnReceiveData = [this](SerialPort* sender, const char* buffer, quint16 length) {
            EXPECT_EQ(sender, &comm);
            deliveries.push_back({QByteArray(buffer, length), buffer[length] == '\0'});
        };
    }

    QByteArray Delivered() const {
        QByteArray all;
        for (const Delivery& d : deliveries)
            all += d.bytes;
        return all;
    }

    PtyPair pty;
    SerialPort comm;
    std::vector<Delivery> deliveries;
};

TEST_F(SerialPortOnPty, ReplyArrivesOneByteAtATimeWithInputLenOne) {
    comm.OpenPort();
    ASSERT_TRUE(comm.PortOpen());
    const QByteArray reply("\x23\x83\x00\x00\x00\x00\x00\x00\xA5", 9);
    ASSERT_TRUE(pty.Send(reply));

    ASSERT_TRUE(WaitUntil([&] { return deliveries.size() >= 9; }));
    ASSERT_EQ(deliveries.size(), 9u);
    for (size_t i = 0; i < deliveries.size(); ++i) {
        EXPECT_EQ(deliveries[i].bytes, reply.mid(i, 1)) << "byte " << i;
        EXPECT_TRUE(deliveries[i].terminated);
    }
}

TEST_F(SerialPortOnPty, LargerInputLenDeliversChunksOfAtMostThatSize) {
    comm.SetInputLen(4);
    comm.OpenPort();
    const QByteArray reply("ABCDEFGHIJ");
    ASSERT_TRUE(pty.Send(reply));

    ASSERT_TRUE(WaitUntil([&] { return Delivered().size() >= reply.size(); }));
    EXPECT_EQ(Delivered(), reply);
    for (const Delivery& d : deliveries) {
        EXPECT_LE(d.bytes.size(), 4);
        EXPECT_TRUE(d.terminated);
    }
}

TEST_F(SerialPortOnPty, BlocksQueuedBackToBackArriveWholeAndInOrder) {
    comm.OpenPort();
    QByteArray first(265, '\0');
    for (int i = 0; i < first.size(); ++i)
        first[i] = static_cast<char>(i);
    QByteArray second("\x23\x82\x00\x00\x10\x00\x00\x00\xB1", 9);
    ASSERT_TRUE(comm.WriteData(first.constData(), 265));
    first.fill('\xEE'); // the component must have taken its own copy
    ASSERT_TRUE(comm.WriteData(second.constData(), 9));

    const QByteArray got = pty.Receive(274);
    ASSERT_EQ(got.size(), 274);
    for (int i = 0; i < 265; ++i)
        ASSERT_EQ(static_cast<quint8>(got[i]), i & 0xFF) << "offset " << i;
    EXPECT_EQ(got.mid(265), second);
}

TEST_F(SerialPortOnPty, WriteDataAndOutputQueueOnlyRealBlocksOnAnOpenPort) {
    EXPECT_FALSE(comm.WriteData("abc", 3)); // not opened yet

    comm.OpenPort();
    EXPECT_FALSE(comm.WriteData("abc", 0));
    ASSERT_TRUE(comm.WriteData("Z", 1));
    EXPECT_EQ(pty.Receive(1), QByteArray("Z")); // nothing went out before the marker
    comm.SetOutput(QStringLiteral("AT\r"));
    EXPECT_EQ(comm.Output(), "AT\r");
    EXPECT_EQ(pty.Receive(3), QByteArray("AT\r"));

    comm.ClosePort();
    EXPECT_FALSE(comm.WriteData("abc", 3));
}

TEST_F(SerialPortOnPty, SecondOpenKeepsTheFirstConnection) {
    comm.OpenPort();
    comm.OpenPort();
    EXPECT_EQ(comm.PortOpenError(), "This serial port already opened");
    EXPECT_TRUE(comm.PortOpen());

    ASSERT_TRUE(comm.WriteData("ok", 2));
    EXPECT_EQ(pty.Receive(2), QByteArray("ok"));
    ASSERT_TRUE(pty.Send("x"));
    EXPECT_TRUE(WaitUntil([&] { return Delivered() == "x"; }));
}

TEST_F(SerialPortOnPty, ModemLinesRefusedByAPtyDoNotFailTheOpen) {
    int hangups = 0;
    comm.OnRequestHangup = [&](SerialPort*) { ++hangups; };
    comm.SetDtrControl(LineDtrControl::DtrEnable);
    comm.SetRtsControl(LineRtsControl::RtsEnable);

    comm.OpenPort();
    EXPECT_TRUE(comm.PortOpen());
    EXPECT_TRUE(comm.PortOpenError().isEmpty());
    comm.SetDtrControl(LineDtrControl::DtrDisable);
    ASSERT_TRUE(comm.WriteData("a", 1));
    EXPECT_EQ(pty.Receive(1), QByteArray("a"));
    EXPECT_EQ(hangups, 0);
}

TEST_F(SerialPortOnPty, RefusedLineSettingEndsTheOpenWithTheReason) {
    // No line runs at 0 baud.
    comm.SetBaudRate(0);
    try {
        comm.OpenPort();
        FAIL() << "the open went through";
    } catch (const SerialPortError& error) {
        EXPECT_STREQ(error.what(), "Cannot set up the serial line");
    }
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_TRUE(comm.LastOpenReason().startsWith("Baud rate 0 refused"))
        << comm.LastOpenReason().toStdString();
    EXPECT_FALSE(comm.WriteData("a", 1));

    // With a setting the line takes, the same port opens.
    comm.SetBaudRate(115200);
    comm.OpenPort();
    EXPECT_TRUE(comm.PortOpen());
    EXPECT_TRUE(comm.LastLineError().isEmpty());
}

TEST_F(SerialPortOnPty, LineSetupReachesTheTerminalAndFollowsChanges) {
    comm.OpenPort();
    const termios opened = pty.LineSetup();
    EXPECT_EQ(cfgetospeed(&opened), B115200);

    comm.SetBaudRate(57600);
    comm.SetParity(LineParity::Odd);
    comm.SetStopBits(LineStopBits::_2);
    comm.SetParityCheck(true);
    comm.SetOutx_XonXoffFlow(true);
    comm.SetXonChar('\x01');

    // A pty forces 8 data bits without parity generation, so the byte size
    // cannot be observed here and parity shows only as its odd/even choice.
    const termios tio = pty.LineSetup();
    EXPECT_EQ(cfgetospeed(&tio), B57600);
    EXPECT_TRUE(tio.c_cflag & PARODD);
    EXPECT_TRUE(tio.c_cflag & CSTOPB);
    EXPECT_TRUE(tio.c_iflag & INPCK);
    EXPECT_TRUE(tio.c_iflag & IXON);
    EXPECT_FALSE(tio.c_iflag & IXOFF);
    EXPECT_EQ(tio.c_cc[VSTART], 0x01);
}

TEST_F(SerialPortOnPty, LostDeviceRequestsHangupAndStopsWrites) {
    int hangups = 0;
    comm.OnRequestHangup = [&](SerialPort* sender) {
        EXPECT_EQ(sender, &comm);
        ++hangups;
    };
    comm.OpenPort();
    pty.CloseMaster();

    ASSERT_TRUE(WaitUntil([&] { return hangups > 0; }));
    EXPECT_EQ(hangups, 1);
    EXPECT_TRUE(comm.PortOpen()); // held until the owner closes it
    EXPECT_FALSE(comm.WriteData("a", 1));
    comm.ClosePort();
    EXPECT_FALSE(comm.PortOpen());
}

TEST_F(SerialPortOnPty, SendDataEmptyFollowsADrainedWrite) {
    int empties = 0;
    comm.OnSendDataEmpty = [&](SerialPort*) { ++empties; };
    comm.OpenPort();
    ASSERT_TRUE(WaitUntil([&] { return empties == 1; })); // nothing queued after opening

    ASSERT_TRUE(comm.WriteData("abc", 3));
    EXPECT_TRUE(WaitUntil([&] { return empties == 2; }));
    EXPECT_EQ(pty.Receive(3), QByteArray("abc"));
}

TEST_F(SerialPortOnPty, DestroyingAnOpenComponentReleasesThePort) {
    {
        SerialPort other;
        other.SetCommName(pty.SlavePath());
        // Only one holder at a time: the fixture's component is not open yet.
        other.OpenPort();
        ASSERT_TRUE(other.PortOpen());
    }
    comm.OpenPort(); // would fail on the device lock if the port were still held
    EXPECT_TRUE(comm.PortOpen());
}

// --- open failures -------------------------------------------------------

TEST(TCommOpenFailure, MissingDeviceRaisesAndStaysClosed) {
    SerialPort comm;
    comm.SetCommName(QStringLiteral("/dev/no-such-serial-port"));
    try {
        comm.OpenPort();
        FAIL() << "no exception";
    } catch (const SerialPortError& e) {
        EXPECT_STREQ(e.what(), "Error opening serial port");
    }
    EXPECT_FALSE(comm.PortOpen());
    EXPECT_EQ(comm.PortOpenError(), "Error opening serial port");
    EXPECT_FALSE(comm.LastOpenReason().isEmpty());
    EXPECT_FALSE(comm.LastOpenPermissionDenied());
}

TEST(TCommOpenFailure, FilesAndFoldersAreNoCommHandles) {
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    QTemporaryDir dir;
    for (const QString& path : {file.fileName(), dir.path()}) {
        SerialPort comm;
        comm.SetCommName(path);
        EXPECT_NO_THROW(comm.OpenPort());
        EXPECT_EQ(comm.PortOpenError(), "File handle is not a comm handle ") << path.toStdString();
        EXPECT_FALSE(comm.PortOpen());
    }
}

TEST(TCommOpenFailure, CharacterDeviceThatIsNoTerminalCannotBeSetUp) {
    SerialPort comm;
    comm.SetCommName(QStringLiteral("/dev/null"));
    EXPECT_THROW(comm.OpenPort(), SerialPortError);
    EXPECT_EQ(comm.PortOpenError(), "Cannot setup comm buffer");
    EXPECT_FALSE(comm.PortOpen());
}

TEST(TCommOpenFailure, DeviceWithoutAccessRightsNamesTheReason) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to open a device as another user";
    PtyPair pty;
    ASSERT_TRUE(pty.Valid());
    ASSERT_EQ(::chmod(QFile::encodeName(pty.SlavePath()).constData(), 0600), 0);

    // The open has to run as an ordinary user, so it runs in a child process
    // that reports through its exit code.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        SerialPort comm;
        comm.SetCommName(pty.SlavePath());
        try {
            comm.OpenPort();
        } catch (const SerialPortError& e) {
            const bool ok = std::string(e.what()) == "Error opening serial port" &&
                            comm.LastOpenPermissionDenied() &&
                            comm.LastOpenReason() == "Permission denied" && !comm.PortOpen();
            ::_exit(ok ? 0 : 1);
        }
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// --- properties ----------------------------------------------------------

TEST(TCommProperties, DefaultsDescribeA9600Baud8N1LineWithoutFlowControl) {
    const SerialPort c;
    EXPECT_FALSE(c.PortOpen());
    EXPECT_EQ(c.CommPort(), 1);
    EXPECT_TRUE(c.PortOpenError().isEmpty());
    EXPECT_TRUE(c.Output().isEmpty());
    EXPECT_EQ(c.InputLen(), 1);
    EXPECT_EQ(c.InBufferSize(), 2048);
    EXPECT_EQ(c.CommName(), "COM1");
    EXPECT_EQ(c.BaudRate(), 9600u);
    EXPECT_FALSE(c.ParityCheck() || c.Outx_CtsFlow() || c.Outx_DsrFlow() || c.DsrSensitivity() ||
                 c.TxContinueOnXoff() || c.Outx_XonXoffFlow() || c.Inx_XonXoffFlow() ||
                 c.ReplaceWhenParityError() || c.IgnoreNullChar());
    EXPECT_EQ(c.DtrControl(), LineDtrControl::DtrDisable);
    EXPECT_EQ(c.RtsControl(), LineRtsControl::RtsDisable);
    EXPECT_EQ(c.XonLimit(), 500);
    EXPECT_EQ(c.XoffLimit(), 500);
    EXPECT_EQ(c.ByteSize(), LineByteSize::_8);
    EXPECT_EQ(c.Parity(), LineParity::None);
    EXPECT_EQ(c.StopBits(), LineStopBits::_1);
    EXPECT_EQ(c.XonChar(), 0x11);
    EXPECT_EQ(c.XoffChar(), 0x13);
    EXPECT_EQ(c.ReplacedChar(), 0x00);
    EXPECT_EQ(c.ReadIntervalTimeout(), 100u);
    EXPECT_EQ(c.ReadTotalTimeoutMultiplier(), 0u);
    EXPECT_EQ(c.ReadTotalTimeoutConstant(), 0u);
    EXPECT_EQ(c.WriteTotalTimeoutMultiplier(), 0u);
    EXPECT_EQ(c.WriteTotalTimeoutConstant(), 0u);
    EXPECT_FALSE(c.OnReceiveData || c.OnReceiveError || c.OnModemStateChange || c.OnRequestHangup ||
                 c.OnSendDataEmpty);
}

TEST(TCommProperties, InputLenIsBoundByTheBufferSize) {
    SerialPort c;
    c.SetInputLen(4096);
    EXPECT_EQ(c.InputLen(), 1);
    c.SetInputLen(0);
    EXPECT_EQ(c.InputLen(), 2048);
    c.SetInBufferSize(0);
    EXPECT_EQ(c.InBufferSize(), 1);
}

TEST(TCommProperties, CommPortNamesTheComPort) {
    SerialPort c;
    c.SetCommPort(3);
    EXPECT_EQ(c.CommPort(), 3);
    EXPECT_EQ(c.CommName(), "COM3");
    c.SetCommName(QStringLiteral("/dev/ttyUSB0"));
    c.SetCommPort(0);
    EXPECT_EQ(c.CommPort(), 3);
    c.SetCommPort(3); // unchanged number: the typed name stays
    EXPECT_EQ(c.CommName(), "/dev/ttyUSB0");
}

TEST(TCommProperties, ClosePortOnAClosedPortOnlyClearsTheError) {
    SerialPort c;
    c.SetCommName(QStringLiteral("/dev/no-such-serial-port"));
    EXPECT_THROW(c.OpenPort(), SerialPortError);
    c.ClosePort();
    EXPECT_TRUE(c.PortOpenError().isEmpty());
    EXPECT_FALSE(c.PortOpen());
    EXPECT_EQ(c.CommName(), "/dev/no-such-serial-port");
}

} // namespace
