#pragma once

#include <cstdint>
#include <string_view>

namespace ksm {

// Result of a driver call: 0 is success, anything else a failure the link layer turns into
// its own status code.
using DriverStatus = std::uint32_t;
inline constexpr DriverStatus kDriverOk = 0;
// Values the backends use for their own failures (the numbering of FTDI's driver library).
inline constexpr DriverStatus kDriverInvalidHandle = 1;
inline constexpr DriverStatus kDriverDeviceNotFound = 2;
inline constexpr DriverStatus kDriverDeviceNotOpened = 3;
inline constexpr DriverStatus kDriverIoError = 4;
inline constexpr DriverStatus kDriverInvalidParameter = 6;
inline constexpr DriverStatus kDriverOtherError = 18;

using DriverHandle = std::uintptr_t;
inline constexpr DriverHandle kNoHandle = 0;

// Field size of the description and serial-number texts the driver fills in.
inline constexpr std::size_t kDriverTextSize = 64;

// The calls the link layer makes to a USB interface driver. Texts are NUL-terminated.
class Driver {
public:
    virtual ~Driver() = default;

    virtual DriverStatus CountDevices(std::uint32_t& count) = 0;
    virtual DriverStatus Description(std::uint32_t index, char (&text)[kDriverTextSize]) = 0;
    virtual DriverStatus SerialNumber(std::uint32_t index, char (&text)[kDriverTextSize]) = 0;
    virtual DriverStatus Open(std::uint32_t index, DriverHandle& handle) = 0;
    virtual DriverStatus SetBaudRate(DriverHandle handle, std::uint32_t baud) = 0;
    virtual DriverStatus SetDataCharacteristics(DriverHandle handle, std::uint8_t word_length,
                                                std::uint8_t stop_bits, std::uint8_t parity) = 0;
    virtual DriverStatus SetFlowControl(DriverHandle handle, std::uint16_t flow, std::uint8_t xon,
                                        std::uint8_t xoff) = 0;
    // Number of bytes waiting in the receive queue.
    virtual DriverStatus QueueStatus(DriverHandle handle, std::uint32_t& waiting) = 0;
    virtual DriverStatus Read(DriverHandle handle, std::uint8_t* buffer, std::uint32_t count,
                              std::uint32_t& received) = 0;
    virtual DriverStatus Write(DriverHandle handle, const std::uint8_t* data, std::uint32_t length,
                               std::uint32_t& sent) = 0;
    virtual DriverStatus SetRts(DriverHandle handle) = 0;
    virtual DriverStatus ClearRts(DriverHandle handle) = 0;
    virtual DriverStatus SetDtr(DriverHandle handle) = 0;
    virtual DriverStatus ClearDtr(DriverHandle handle) = 0;
    virtual DriverStatus Close(DriverHandle handle) = 0;
};

// The calls by name, for traces and fault plans.
enum class DriverCall {
    kCountDevices,
    kDescription,
    kSerialNumber,
    kOpen,
    kSetBaudRate,
    kSetDataCharacteristics,
    kSetFlowControl,
    kQueueStatus,
    kRead,
    kWrite,
    kSetRts,
    kClearRts,
    kSetDtr,
    kClearDtr,
    kClose,
};
inline constexpr int kDriverCallCount = 15;

std::string_view DriverCallName(DriverCall call);

}  // namespace ksm
