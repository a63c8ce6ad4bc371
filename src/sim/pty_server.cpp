#include "sim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>

namespace ksm::sim {

std::uint32_t BaudOfSpeed(unsigned speed) {
    switch (speed) {
        case B1200:
            return 1200;
        case B2400:
            return 2400;
        case B4800:
            return 4800;
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        case B230400:
            return 230400;
        case B460800:
            return 460800;
        case B921600:
            return 921600;
        default:
            return 0;
    }
}

PtyServer::PtyServer(Peer& peer, Clock& clock) : clock_(clock), device_(1, "", "") {
    device_.Attach(&peer);
}

PtyServer::~PtyServer() {
    if (master_ >= 0) ::close(master_);
}

bool PtyServer::Open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) return false;
    std::array<char, 128> name{};
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name.data(), name.size()) != 0) {
        ::close(master_);
        master_ = -1;
        return false;
    }
    port_path_ = name.data();
    // On Linux the settings asked of the master side are those of the port; a program that
    // does not set the port up itself finds a raw 9600-baud line, as the module's.
    termios tio{};
    if (::tcgetattr(master_, &tio) == 0) {
        ::cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        ::tcsetattr(master_, TCSANOW, &tio);
    }
    FollowPortSettings();
    device_.Open(clock_.NowUs());
    return true;
}

void PtyServer::FollowPortSettings() {
    termios tio{};
    if (::tcgetattr(master_, &tio) != 0) return;
    if (std::uint32_t baud = BaudOfSpeed(::cfgetospeed(&tio)); baud != 0) device_.SetHostBaud(baud);
}

void PtyServer::Step(int max_wait_ms) {
    pollfd waiting{master_, POLLIN, 0};
    ::poll(&waiting, 1, max_wait_ms);
    FollowPortSettings();

    Micros now = clock_.NowUs();
    // No program holds the port open: the master reads end with EIO at once.
    bool port_closed = false;
    std::array<std::uint8_t, 4096> chunk;
    for (;;) {
        ssize_t n = ::read(master_, chunk.data(), chunk.size());
        if (n > 0) {
            device_.Write(now,
                          std::span<const std::uint8_t>(chunk.data(), static_cast<std::size_t>(n)));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        port_closed = n < 0 && errno == EIO;
        break;
    }
    device_.ClearWire();

    device_.AdvanceTo(now);
    while (std::uint32_t due = device_.Waiting(now)) {
        std::uint32_t n =
            device_.Read(now, chunk.data(), std::min<std::uint32_t>(due, chunk.size()));
        // Bytes for a port nobody holds are lost, as on a wire nobody listens to.
        for (std::uint32_t sent = 0; sent < n;) {
            ssize_t w = ::write(master_, chunk.data() + sent, n - sent);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) break;
            sent += static_cast<std::uint32_t>(w);
        }
    }
    if (port_closed && max_wait_ms > 0) clock_.SleepMs(static_cast<std::uint32_t>(max_wait_ms));
}

}  // namespace ksm::sim
