#include "link/ftdi_driver.h"

#include <libftdi1/ftdi.h>
#include <libusb-1.0/libusb.h>

#include <algorithm>
#include <array>

namespace ksm {
namespace {

// The chip holds received bytes back until its latency timer runs out; 2 ms keeps replies
// from waiting 16 ms in the chip.
constexpr unsigned char kLatencyMs = 2;
constexpr int kUsbTimeoutMs = 50;

DriverStatus Result(int libftdi_result) { return libftdi_result < 0 ? kDriverIoError : kDriverOk; }

}  // namespace

FtdiDriver::FtdiDriver() : list_context_(ftdi_new()), port_context_(ftdi_new()) {
    if (port_context_) {
        port_context_->usb_read_timeout = kUsbTimeoutMs;
        port_context_->usb_write_timeout = 1000;
    }
}

FtdiDriver::~FtdiDriver() {
    if (open_) ftdi_usb_close(port_context_);
    ReleaseDeviceList();
    if (port_context_) ftdi_free(port_context_);
    if (list_context_) ftdi_free(list_context_);
}

void FtdiDriver::ReleaseDeviceList() {
    for (libusb_device* device : devices_) libusb_unref_device(device);
    devices_.clear();
}

DriverStatus FtdiDriver::CountDevices(std::uint32_t& count) {
    ReleaseDeviceList();
    count = 0;
    // Without a USB subsystem there is nothing attached.
    if (!list_context_ || !list_context_->usb_ctx) return kDriverOk;
    libusb_device** list = nullptr;
    ssize_t n = libusb_get_device_list(list_context_->usb_ctx, &list);
    if (n < 0) return kDriverIoError;
    for (ssize_t i = 0; i < n; ++i) {
        libusb_device_descriptor descriptor{};
        if (libusb_get_device_descriptor(list[i], &descriptor) == 0 && descriptor.idVendor == kVendorId)
            devices_.push_back(libusb_ref_device(list[i]));
    }
    libusb_free_device_list(list, 1);
    count = static_cast<std::uint32_t>(devices_.size());
    return kDriverOk;
}

DriverStatus FtdiDriver::ReadString(std::uint32_t index, bool serial, char (&text)[kDriverTextSize]) {
    if (index >= devices_.size()) return kDriverDeviceNotFound;
    text[0] = '\0';
    int result = serial ? ftdi_usb_get_strings(list_context_, devices_[index], nullptr, 0, nullptr, 0,
                                               text, kDriverTextSize)
                        : ftdi_usb_get_strings(list_context_, devices_[index], nullptr, 0, text,
                                               kDriverTextSize, nullptr, 0);
    text[kDriverTextSize - 1] = '\0';
    return result < 0 ? kDriverDeviceNotOpened : kDriverOk;
}

DriverStatus FtdiDriver::Description(std::uint32_t index, char (&text)[kDriverTextSize]) {
    return ReadString(index, false, text);
}

DriverStatus FtdiDriver::SerialNumber(std::uint32_t index, char (&text)[kDriverTextSize]) {
    return ReadString(index, true, text);
}

DriverStatus FtdiDriver::Open(std::uint32_t index, DriverHandle& handle) {
    if (open_) return kDriverDeviceNotOpened;
    if (!port_context_ || index >= devices_.size()) return kDriverDeviceNotFound;
    if (ftdi_usb_open_dev(port_context_, devices_[index]) < 0) return kDriverDeviceNotOpened;
    open_ = true;
    queue_.clear();
    ftdi_set_latency_timer(port_context_, kLatencyMs);
    ftdi_tcioflush(port_context_);
    handle = kTheHandle;
    return kDriverOk;
}

DriverStatus FtdiDriver::SetBaudRate(DriverHandle handle, std::uint32_t baud) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    return Result(ftdi_set_baudrate(port_context_, static_cast<int>(baud)));
}

DriverStatus FtdiDriver::SetDataCharacteristics(DriverHandle handle, std::uint8_t word_length,
                                                std::uint8_t stop_bits, std::uint8_t parity) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    if (word_length != 7 && word_length != 8) return kDriverInvalidParameter;
    if (stop_bits > 2 || parity > 4) return kDriverInvalidParameter;
    ftdi_bits_type bits = word_length == 8 ? BITS_8 : BITS_7;
    ftdi_stopbits_type stop = stop_bits == 0 ? STOP_BIT_1 : STOP_BIT_2;
    static constexpr std::array<ftdi_parity_type, 5> kParity = {NONE, ODD, EVEN, MARK, SPACE};
    return Result(ftdi_set_line_property(port_context_, bits, stop, kParity[parity]));
}

DriverStatus FtdiDriver::SetFlowControl(DriverHandle handle, std::uint16_t flow, std::uint8_t,
                                        std::uint8_t) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    if (flow != 0) return kDriverInvalidParameter;  // the link runs without flow control
    return Result(ftdi_setflowctrl(port_context_, SIO_DISABLE_FLOW_CTRL));
}

DriverStatus FtdiDriver::QueueStatus(DriverHandle handle, std::uint32_t& waiting) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    std::array<unsigned char, 4096> chunk;
    if (queue_.size() < kQueueLimit) {
        int n = ftdi_read_data(port_context_, chunk.data(), static_cast<int>(chunk.size()));
        if (n < 0) return kDriverIoError;
        queue_.insert(queue_.end(), chunk.begin(), chunk.begin() + n);
    }
    waiting = static_cast<std::uint32_t>(queue_.size());
    return kDriverOk;
}

DriverStatus FtdiDriver::Read(DriverHandle handle, std::uint8_t* buffer, std::uint32_t count,
                              std::uint32_t& received) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    std::uint32_t n = std::min<std::uint32_t>(count, static_cast<std::uint32_t>(queue_.size()));
    std::copy_n(queue_.begin(), n, buffer);
    queue_.erase(queue_.begin(), queue_.begin() + n);
    received = n;
    return kDriverOk;
}

DriverStatus FtdiDriver::Write(DriverHandle handle, const std::uint8_t* data, std::uint32_t length,
                               std::uint32_t& sent) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    int n = ftdi_write_data(port_context_, data, static_cast<int>(length));
    if (n < 0) return kDriverIoError;
    sent = static_cast<std::uint32_t>(n);
    return kDriverOk;
}

DriverStatus FtdiDriver::SetRts(DriverHandle handle) {
    return IsOpen(handle) ? Result(ftdi_setrts(port_context_, 1)) : kDriverInvalidHandle;
}
DriverStatus FtdiDriver::ClearRts(DriverHandle handle) {
    return IsOpen(handle) ? Result(ftdi_setrts(port_context_, 0)) : kDriverInvalidHandle;
}
DriverStatus FtdiDriver::SetDtr(DriverHandle handle) {
    return IsOpen(handle) ? Result(ftdi_setdtr(port_context_, 1)) : kDriverInvalidHandle;
}
DriverStatus FtdiDriver::ClearDtr(DriverHandle handle) {
    return IsOpen(handle) ? Result(ftdi_setdtr(port_context_, 0)) : kDriverInvalidHandle;
}

DriverStatus FtdiDriver::Close(DriverHandle handle) {
    if (!IsOpen(handle)) return kDriverInvalidHandle;
    open_ = false;
    queue_.clear();
    return Result(ftdi_usb_close(port_context_));
}

}  // namespace ksm
