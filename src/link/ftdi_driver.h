#pragma once

#include <deque>
#include <vector>

#include "link/driver.h"

struct ftdi_context;
struct libusb_device;

namespace ksm {

// The driver seam on libftdi1 for real FTDI chips. It lists every USB device with FTDI's
// vendor id (any product id), one open at a time. libftdi has no receive-queue query, so the
// backend keeps a receive queue of its own, filled by reads that do not wait.
class FtdiDriver final : public Driver {
public:
    static constexpr int kVendorId = 0x0403;

    FtdiDriver();
    ~FtdiDriver() override;
    FtdiDriver(const FtdiDriver&) = delete;
    FtdiDriver& operator=(const FtdiDriver&) = delete;

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

private:
    static constexpr DriverHandle kTheHandle = 1;
    static constexpr std::size_t kQueueLimit = 1 << 20;

    void ReleaseDeviceList();
    DriverStatus ReadString(std::uint32_t index, bool serial, char (&text)[kDriverTextSize]);
    bool IsOpen(DriverHandle handle) const { return open_ && handle == kTheHandle; }

    ftdi_context* list_context_ = nullptr;  // enumeration and strings
    ftdi_context* port_context_ = nullptr;  // the open device
    std::vector<libusb_device*> devices_;
    std::deque<std::uint8_t> queue_;
    bool open_ = false;
};

}  // namespace ksm
