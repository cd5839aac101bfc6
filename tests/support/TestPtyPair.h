#pragma once
// A pseudo-terminal pair for the tests: the component opens the slave path,
// the test plays the device on the master side.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QString>
#include <QTimer>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

// Runs the event loop until done() holds or timeoutMs has passed.
template <typename Pred> bool WaitUntil(Pred done, int timeoutMs = 5000) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

class PtyPair {
public:
    PtyPair() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            return;
        termios tio{};
        ::tcgetattr(m_master, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_master, TCSANOW, &tio);
        m_slavePath = QString::fromLocal8Bit(::ptsname(m_master));
    }
    ~PtyPair() { CloseMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool Valid() const { return m_master >= 0 && !m_slavePath.isEmpty(); }
    QString SlavePath() const { return m_slavePath; }
    int Master() const { return m_master; }

    void CloseMaster() {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

    bool Send(const QByteArray& bytes) {
        return ::write(m_master, bytes.constData(), bytes.size()) == bytes.size();
    }

    // Collects what the component sent until count bytes have arrived.
    QByteArray Receive(qsizetype count, int timeoutMs = 5000) {
        QByteArray got;
        WaitUntil(
            [&] {
                char chunk[512];
                ssize_t n;
                while ((n = ::read(m_master, chunk, sizeof chunk)) > 0)
                    got.append(chunk, n);
                return got.size() >= count;
            },
            timeoutMs);
        return got;
    }

    termios LineSetup() const {
        termios tio{};
        ::tcgetattr(m_master, &tio);
        return tio;
    }

private:
    int m_master = -1;
    QString m_slavePath;
};
