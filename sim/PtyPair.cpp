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
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0)
        Fail("posix_openpt");
    try {
        if (grantpt(master_) != 0)
            Fail("grantpt");
        if (unlockpt(master_) != 0)
            Fail("unlockpt");
        char name[128];
        if (ptsname_r(master_, name, sizeof name) != 0)
            Fail("ptsname");
        slavePath_ = name;
        slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (slave_ < 0)
            Fail("open slave");
        MakeRaw(slave_);
        const int flags = fcntl(master_, F_GETFL);
        if (flags < 0 || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0)
            Fail("fcntl");
    } catch (...) {
        if (slave_ >= 0)
            close(slave_);
        close(master_);
        throw;
    }
}

PtyPair::~PtyPair() {
    close(slave_);
    close(master_);
}

} // namespace gsm::sim
