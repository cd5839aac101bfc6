#pragma once
// A pseudo-terminal for the simulated device: the simulator works the
// master side, the PC program opens the slave path as its serial port.

#include <string>

namespace gsm::sim {

class PtyPair {
public:
    // Throws std::runtime_error when no pseudo-terminal can be had.
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // Non-blocking.
    int MasterFd() const { return m_master; }
    const std::string& SlavePath() const { return m_slavePath; }

private:
    int m_master = -1;
    // Held open for the simulator's life: when the PC program closes its
    // port, the master would otherwise see a hang-up and fail every read
    // until the port is opened again.
    int m_slave = -1;
    std::string m_slavePath;
};

} // namespace gsm::sim
