#include "PtyPair.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace gsm::sim {

namespace {

[[noreturn]] void Fail(const char* step) {
    throw std::runtime_error(std::string("pseudo-terminal: ") + step + ": " + std::strerror(errno));
}

// No echo, no line editing, no character translation: the line carries bytes.
void MakeRaw(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        Fail("tcgetattr");
    cfmakeraw(&tio);
    cfsetispeed(&tio, B115200);
    cfsetospeed(&tio, B115200);
    if (tcsetattr(fd, TCSANOW, &tio) != 0)
        Fail("tcsetattr");
}

} // namespace

PtyPair::PtyPair() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0)
        Fail("posix_openpt");
    try {
        if (grantpt(m_master) != 0)
            Fail("grantpt");
        if (unlockpt(m_master) != 0)
            Fail("unlockpt");
        char name[128];
        if (ptsname_r(m_master, name, sizeof name) != 0)
            Fail("ptsname");
        m_slavePath = name;
        m_slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_slave < 0)
            Fail("open slave");
        MakeRaw(m_slave);
        const int flags = fcntl(m_master, F_GETFL);
        if (flags < 0 || fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0)
            Fail("fcntl");
    } catch (...) {
        if (m_slave >= 0)
            close(m_slave);
        close(m_master);
        throw;
    }
}

PtyPair::~PtyPair() {
    close(m_slave);
    close(m_master);
}

} // namespace gsm::sim
