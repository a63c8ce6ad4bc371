#pragma once

#include <cstdint>
#include <string>

#include "link/clock.h"
#include "sim/sim_bus.h"

namespace ksm::sim {

// Serves a peer (the virtual module) on a pseudo-terminal in real time, so that any program
// that opens a serial port can talk to it: the tool's serial-port backend, a Modbus master.
// Bytes from the port reach the peer after the wire time they would take at the port's baud
// rate, and the peer's replies are written to the port when their last bit would have
// arrived. A port set to another rate than the peer's reads garbled bytes, as on a wire.
class PtyServer {
  public:
    PtyServer(Peer& peer, Clock& clock);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Creates the pseudo-terminal, its port set raw at 9600 baud, 8N1. False where none can
    // be created.
    bool Open();
    // The path other programs open, /dev/pts/N.
    const std::string& PortPath() const { return port_path_; }
    // The rate the program on the port has set.
    std::uint32_t PortBaud() const { return device_.host_baud(); }

    // One pass: takes what the port has written, lets time pass for the peer, and writes
    // what is due. Waits up to `max_wait_ms` for the port to write.
    void Step(int max_wait_ms);

  private:
    void FollowPortSettings();

    Clock& clock_;
    SimDevice device_;
    int master_ = -1;
    std::string port_path_;
};

// The rate of a termios speed constant; 0 for one it does not know.
std::uint32_t BaudOfSpeed(unsigned speed);

}  // namespace ksm::sim
