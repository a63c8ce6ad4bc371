#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "link/driver.h"

namespace ksm {

// A serial port the tool may use as its interface.
struct SerialPortInfo {
    std::string path;         // /dev/ttyUSB0, /dev/pts/3, ...
    std::string description;  // the USB product string, or the one given on the command line
    std::string serial;       // the USB serial number; empty when the device has none
};

// A port named on the command line as PATH or PATH=DESCRIPTION (the path ends at the first
// '='); without a description it is taken for the interface, "TORVIK ZRD". False for an
// empty path.
bool ParsePortArgument(std::string_view argument, SerialPortInfo& port);

// The serial ports that belong to USB devices, with the product string and serial number of
// their USB device, read from a sysfs tree (normally /sys) and named in a device folder
// (normally /dev). Sorted by path.
std::vector<SerialPortInfo> ListUsbSerialPorts(const std::string& sysfs_root = "/sys",
                                               const std::string& dev_root = "/dev");

// Whether a process other than this one holds the file open.
bool IsOpenByAnotherProcess(const std::string& path);

// The driver seam on the operating system's serial devices (termios), for converters bound to
// the kernel's own driver, other serial adapters and virtual ports. One open at a time.
class SerialDriver final : public Driver {
  public:
    // `extra_ports` are listed after the USB ports (ports named on the command line); a USB
    // port that is also named there is listed once, as named.
    explicit SerialDriver(std::vector<SerialPortInfo> extra_ports = {},
                          std::string sysfs_root = "/sys", std::string dev_root = "/dev");
    ~SerialDriver() override;
    SerialDriver(const SerialDriver&) = delete;
    SerialDriver& operator=(const SerialDriver&) = delete;

    DriverStatus CountDevices(std::uint32_t& count) override;
    DriverStatus Description(std::uint32_t index, char (&text)[kDriverTextSize]) override;
    DriverStatus SerialNumber(std::uint32_t index, char (&text)[kDriverTextSize]) override;
    DriverStatus Open(std::uint32_t index, DriverHandle& handle) override;
    DriverStatus SetBaudRate(DriverHandle handle, std::uint32_t baud) override;
    DriverStatus SetDataCharacteristics(DriverHandle handle, std::uint8_t word_length,
                                        std::uint8_t stop_bits, std::uint8_t parity) override;
    DriverStatus SetFlowControl(DriverHandle handle, std::uint16_t flow, std::uint8_t xon,
                                std::uint8_t xoff) override;
    DriverStatus QueueStatus(DriverHandle handle, std::uint32_t& waiting) override;
    DriverStatus Read(DriverHandle handle, std::uint8_t* buffer, std::uint32_t count,
                      std::uint32_t& received) override;
    DriverStatus Write(DriverHandle handle, const std::uint8_t* data, std::uint32_t length,
                       std::uint32_t& sent) override;
    DriverStatus SetRts(DriverHandle handle) override;
    DriverStatus ClearRts(DriverHandle handle) override;
    DriverStatus SetDtr(DriverHandle handle) override;
    DriverStatus ClearDtr(DriverHandle handle) override;
    DriverStatus Close(DriverHandle handle) override;

    const std::vector<SerialPortInfo>& ports() const { return ports_; }

  private:
    static constexpr DriverHandle kTheHandle = 1;
    bool IsOpen(DriverHandle handle) const { return fd_ >= 0 && handle == kTheHandle; }
    DriverStatus ModemLine(DriverHandle handle, int line, bool set);
    DriverStatus ReadText(std::uint32_t index, bool serial, char (&text)[kDriverTextSize]);

    std::vector<SerialPortInfo> extra_ports_;
    std::string sysfs_root_;
    std::string dev_root_;
    std::vector<SerialPortInfo> ports_;
    int fd_ = -1;
    // The modem lines as the tool last set them. The kernel raises DTR and RTS whenever a
    // serial device is opened; a USB interface driven directly keeps its lines across a
    // close, so each open puts them back (DTR holds the module in reset, RTS switches a
    // terminal's pass-through).
    bool dtr_set_ = false;
    bool rts_set_ = false;
};

}  // namespace ksm
