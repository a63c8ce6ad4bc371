#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "link/clock.h"
#include "link/console.h"
#include "link/driver.h"
#include "link/pump.h"
#include "link/status_codes.h"
#include "link/window.h"

namespace ksm {

inline constexpr std::size_t kDeviceTableSize = 8;
inline constexpr std::size_t kRxBufferSize = 131072;
inline constexpr std::size_t kWaitReadBufferSize = 4608;
inline constexpr std::size_t kShortFrameBufferSize = 255;
inline constexpr std::uint32_t kNormalBaudRate = 9600;

inline constexpr std::string_view kInterfaceDescription = "TORVIK ZRD";
inline constexpr std::string_view kTerminalDescription = "TORVIK Terminal";
inline constexpr std::string_view kStateFree = "free ";
inline constexpr std::string_view kStateBusy = "BUSY (uses by other program)";

struct DeviceEntry {
    char description[64] = {};
    char serial[64] = {};
    char state[32] = {};
};

class Link;

// Held by an operation that uses the link for its whole run. While one is held, another
// operation that would use the link does not start.
class LinkLease {
public:
    LinkLease() = default;
    LinkLease(LinkLease&& other) noexcept : link_(other.link_) { other.link_ = nullptr; }
    LinkLease& operator=(LinkLease&& other) noexcept;
    LinkLease(const LinkLease&) = delete;
    LinkLease& operator=(const LinkLease&) = delete;
    ~LinkLease();
    explicit operator bool() const { return link_ != nullptr; }

private:
    friend class Link;
    explicit LinkLease(Link* link) : link_(link) {}
    Link* link_ = nullptr;
};

// The USB link: the device table, the one open handle, the receive buffer and the
// primitives that move bytes, with the seams they work through.
class Link {
public:
    Link(Driver& driver, Clock& clock, MessagePump& pump, Console& console, Window& window)
        : driver_(driver), clock_(clock), pump_(pump), console_(console), window_(window) {}
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // Discovery and connection.
    StatusCode FindInterface();
    StatusCode OpenInterface(std::uint32_t baud, std::uint8_t data_bits, std::uint8_t stop_bits,
                             std::uint8_t parity);
    StatusCode ConnectInterface();
    void CloseInterface();
    void CheckTerminalSerial(bool with_wlp_test);
    void Button3Click();

    // Port primitives.
    StatusCode SetBaudRate(std::uint32_t baud);
    StatusCode WritePort(const std::uint8_t* data, std::uint32_t length);
    StatusCode ReadAvailable();
    StatusCode WaitForBytes(std::uint32_t wanted, std::uint16_t timeout_ms);
    StatusCode SendShortFrame(const std::uint8_t* data, std::uint8_t count);
    StatusCode SetRtsLine();
    StatusCode ClearRtsLine();
    StatusCode SetDtrLine();
    StatusCode ClearDtrLine();
    StatusCode DtrReset();
    void ButtonAClick();
    void Button5Click();

    // One link operation at a time: an empty lease when another operation holds the link.
    LinkLease TryAcquire();
    bool IsBusy() const { return busy_; }

    // Shared tables.
    std::array<DeviceEntry, kDeviceTableSize> DeviceTable{};
    std::uint8_t DeviceCount = 0;
    std::uint8_t SelectedDevice = 0;
    DriverHandle InterfaceHandle = kNoHandle;
    std::uint32_t LinkBaudRate = kNormalBaudRate;
    std::array<std::uint8_t, kRxBufferSize> RxBuffer{};
    std::uint32_t RxCount = 0;
    std::uint32_t RxTotal = 0;

    // The seams, for the operations built on the link.
    Driver& driver() { return driver_; }
    Clock& clock() { return clock_; }
    MessagePump& pump() { return pump_; }
    Console& console() { return console_; }
    Window& window() { return window_; }

private:
    friend class LinkLease;
    bool HasHandle() const { return InterfaceHandle != kNoHandle; }
    void ClearDeviceTable();
    void ReadDeviceEntry(std::uint32_t index, StatusCode& status);
    void SelectInterfaceEntry(bool& matched);
    void FillDeviceGrid();
    // Drains `waiting` bytes of the receive queue through the read buffer and appends them to
    // RxBuffer until RxTotal reaches `wanted`; the surplus is dropped.
    StatusCode DrainQueueInto(std::uint32_t waiting, std::uint32_t wanted);

    Driver& driver_;
    Clock& clock_;
    MessagePump& pump_;
    Console& console_;
    Window& window_;
    bool busy_ = false;
    std::array<std::uint8_t, kShortFrameBufferSize> short_frame_{};
};

}  // namespace ksm
