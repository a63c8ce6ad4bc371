#include "link/serial_driver.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "link/link.h"

namespace ksm {
namespace fs = std::filesystem;

namespace {

std::string ReadAttribute(const fs::path& file) {
    std::ifstream in(file);
    std::string value;
    std::getline(in, value);
    return value;
}

// The USB device a tty belongs to: the nearest folder above its device that has a vendor id.
bool FindUsbDevice(const fs::path& tty, fs::path& usb_device) {
    std::error_code error;
    fs::path device = fs::canonical(tty / "device", error);
    if (error) return false;
    for (fs::path p = device; !p.empty() && p != p.root_path(); p = p.parent_path()) {
        if (fs::exists(p / "idVendor", error)) {
            usb_device = p;
            return true;
        }
    }
    return false;
}

speed_t SpeedOf(std::uint32_t baud, bool& known) {
    known = true;
    switch (baud) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        case 230400:
            return B230400;
        case 460800:
            return B460800;
        case 921600:
            return B921600;
        default:
            known = false;
            return B0;
    }
}

template <std::size_t N>
void CopyText(char (&field)[N], const std::string& text) {
    std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

// The same device under another name (a symbolic link) is the same port.
std::string CanonicalPath(const std::string& path) {
    std::error_code error;
    fs::path canonical = fs::canonical(path, error);
    return error ? path : canonical.string();
}

}  // namespace

bool ParsePortArgument(std::string_view argument, SerialPortInfo& port) {
    std::size_t equals = argument.find('=');
    port.path = std::string(argument.substr(0, equals));
    port.description = equals == std::string_view::npos ? std::string(kInterfaceDescription)
                                                        : std::string(argument.substr(equals + 1));
    port.serial.clear();
    return !port.path.empty();
}

std::vector<SerialPortInfo> ListUsbSerialPorts(const std::string& sysfs_root,
                                               const std::string& dev_root) {
    std::vector<SerialPortInfo> ports;
    std::error_code error;
    fs::path ttys = fs::path(sysfs_root) / "class" / "tty";
    for (const auto& entry : fs::directory_iterator(ttys, error)) {
        fs::path usb_device;
        if (!FindUsbDevice(entry.path(), usb_device)) continue;
        SerialPortInfo port;
        port.path = (fs::path(dev_root) / entry.path().filename()).string();
        port.description = ReadAttribute(usb_device / "product");
        port.serial = ReadAttribute(usb_device / "serial");
        ports.push_back(std::move(port));
    }
    std::sort(ports.begin(), ports.end(),
              [](const auto& a, const auto& b) { return a.path < b.path; });
    return ports;
}

bool IsOpenByAnotherProcess(const std::string& path) {
    std::error_code error;
    fs::path target = fs::canonical(path, error);
    if (error) return false;
    std::string self = std::to_string(getpid());
    for (const auto& process : fs::directory_iterator("/proc", error)) {
        std::string pid = process.path().filename().string();
        if (pid == self || !std::all_of(pid.begin(), pid.end(), ::isdigit)) continue;
        std::error_code fd_error;
        for (const auto& fd : fs::directory_iterator(process.path() / "fd", fd_error)) {
            std::error_code link_error;
            if (fs::read_symlink(fd.path(), link_error) == target) return true;
        }
    }
    return false;
}

SerialDriver::SerialDriver(std::vector<SerialPortInfo> extra_ports, std::string sysfs_root,
                           std::string dev_root)
    : extra_ports_(std::move(extra_ports)),
      sysfs_root_(std::move(sysfs_root)),
      dev_root_(std::move(dev_root)) {}

SerialDriver::~SerialDriver() {
    if (fd_ >= 0) ::close(fd_);
}

DriverStatus SerialDriver::CountDevices(std::uint32_t& count) {
    ports_ = ListUsbSerialPorts(sysfs_root_, dev_root_);
    std::erase_if(ports_, [this](const SerialPortInfo& usb) {
        return std::any_of(extra_ports_.begin(), extra_ports_.end(),
                           [&](const SerialPortInfo& named) {
                               return CanonicalPath(named.path) == CanonicalPath(usb.path);
                           });
    });
    ports_.insert(ports_.end(), extra_ports_.begin(), extra_ports_.end());
    count = static_cast<std::uint32_t>(ports_.size());
    return kDriverOk;
}

DriverStatus SerialDriver::ReadText(std::uint32_t index, bool serial,
                                    char (&text)[kDriverTextSize]) {
    if (index >= ports_.size()) return kDriverDeviceNotFound;
    const SerialPortInfo& port = ports_[index];
    // A port another program holds cannot be described, as with a busy USB device.
    if (IsOpenByAnotherProcess(port.path)) return kDriverDeviceNotOpened;
    CopyText(text, serial ? port.serial : port.description);
    return kDriverOk;
}

DriverStatus SerialDriver::Description(std::uint32_t index, char (&text)[kDriverTextSize]) {
    return ReadText(index, false, text);
}

DriverStatus SerialDriver::SerialNumber(std::uint32_t index, char (&text)[kDriverTextSize]) {
    return ReadText(index, true, text);
}

DriverStatus SerialDriver::Open(std::uint32_t index, DriverHandle& handle) {
    if (fd_ >= 0) return kDriverDeviceNotOpened;
    if (index >= ports_.size()) return kDriverDeviceNotFound;
    int fd = ::open(ports_[index].path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return kDriverDeviceNotOpened;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return kDriverDeviceNotOpened;
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        ::close(fd);
        return kDriverIoError;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    // Closing must not drop DTR: a DTR pulse resets the module, and every operation reopens.
    tio.c_cflag &= ~(HUPCL | CRTSCTS);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::tcsetattr(fd, TCSANOW, &tio);
    ::tcflush(fd, TCIOFLUSH);
    // Best effort: a port without modem lines keeps working without them.
    int raise = (dtr_set_ ? TIOCM_DTR : 0) | (rts_set_ ? TIOCM_RTS : 0);
    int lower = (dtr_set_ ? 0 : TIOCM_DTR) | (rts_set_ ? 0 : TIOCM_RTS);
    if (raise != 0) ::ioctl(fd, TIOCMBIS, &raise);
    if (lower != 0) ::ioctl(fd, TIOCMBIC, &lower);
    fd_ = fd;
    handle = kTheHandle;
    return kDriverOk;
}

DriverStatus SerialDriver::SetBaudRate(DriverHandle handle, std::uint32_t baud) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    bool known = false;
    speed_t speed = SpeedOf(baud, known);
    if (!known) return kDriverInvalidParameter;
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) return kDriverIoError;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    return ::tcsetattr(fd_, TCSANOW, &tio) == 0 ? kDriverOk : kDriverIoError;
}

DriverStatus SerialDriver::SetDataCharacteristics(DriverHandle handle, std::uint8_t word_length,
                                                  std::uint8_t stop_bits, std::uint8_t parity) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    if ((word_length != 7 && word_length != 8) || stop_bits > 2 || parity > 2)
        return kDriverInvalidParameter;
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) return kDriverIoError;
    tio.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD);
    tio.c_cflag |= word_length == 8 ? CS8 : CS7;
    if (stop_bits != 0) tio.c_cflag |= CSTOPB;
    if (parity != 0) tio.c_cflag |= PARENB | (parity == 1 ? PARODD : 0);
    return ::tcsetattr(fd_, TCSANOW, &tio) == 0 ? kDriverOk : kDriverIoError;
}

DriverStatus SerialDriver::SetFlowControl(DriverHandle handle, std::uint16_t flow, std::uint8_t,
                                          std::uint8_t) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    if (flow != 0) return kDriverInvalidParameter;  // the link runs without flow control
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) return kDriverIoError;
    tio.c_cflag &= ~CRTSCTS;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    return ::tcsetattr(fd_, TCSANOW, &tio) == 0 ? kDriverOk : kDriverIoError;
}

DriverStatus SerialDriver::QueueStatus(DriverHandle handle, std::uint32_t& waiting) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    int count = 0;
    if (::ioctl(fd_, FIONREAD, &count) != 0) return kDriverIoError;
    waiting = static_cast<std::uint32_t>(std::max(count, 0));
    return kDriverOk;
}

DriverStatus SerialDriver::Read(DriverHandle handle, std::uint8_t* buffer, std::uint32_t count,
                                std::uint32_t& received) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    received = 0;
    if (count == 0) return kDriverOk;
    ssize_t n = ::read(fd_, buffer, count);
    if (n < 0) return errno == EAGAIN || errno == EINTR ? kDriverOk : kDriverIoError;
    received = static_cast<std::uint32_t>(n);
    return kDriverOk;
}

DriverStatus SerialDriver::Write(DriverHandle handle, const std::uint8_t* data,
                                 std::uint32_t length, std::uint32_t& sent) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    sent = 0;
    while (sent < length) {
        ssize_t n = ::write(fd_, data + sent, length - sent);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno != EAGAIN) return kDriverIoError;
            ::tcdrain(fd_);  // the output buffer is full: let it empty
            continue;
        }
        sent += static_cast<std::uint32_t>(n);
    }
    return kDriverOk;
}

DriverStatus SerialDriver::ModemLine(DriverHandle handle, int line, bool set) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    // A device without modem lines (a pseudo-terminal) refuses this.
    if (::ioctl(fd_, set ? TIOCMBIS : TIOCMBIC, &line) != 0) return kDriverIoError;
    (line == TIOCM_DTR ? dtr_set_ : rts_set_) = set;
    return kDriverOk;
}

DriverStatus SerialDriver::SetRts(DriverHandle handle) {
    return ModemLine(handle, TIOCM_RTS, true);
}
DriverStatus SerialDriver::ClearRts(DriverHandle handle) {
    return ModemLine(handle, TIOCM_RTS, false);
}
DriverStatus SerialDriver::SetDtr(DriverHandle handle) {
    return ModemLine(handle, TIOCM_DTR, true);
}
DriverStatus SerialDriver::ClearDtr(DriverHandle handle) {
    return ModemLine(handle, TIOCM_DTR, false);
}

DriverStatus SerialDriver::Close(DriverHandle handle) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    ::close(fd_);
    fd_ = -1;
    return kDriverOk;
}

}  // namespace ksm
