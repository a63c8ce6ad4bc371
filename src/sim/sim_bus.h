#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "link/clock.h"
#include "link/driver.h"

namespace ksm::sim {

using Micros = std::uint64_t;

// Wire time of one byte (start bit, 8 data bits, stop bit) at a baud rate.
double ByteTimeUs(std::uint32_t baud);
// What a byte sent at one baud rate reads as at another.
std::uint8_t GarbleByte(std::uint8_t byte);

class SimDevice;

// Whatever sits on the RS485 side of a simulated interface: the virtual module, or a
// scripted peer in tests. It learns of bytes and line changes as their time comes and
// answers through SimDevice::SendToHost.
class Peer {
public:
    virtual ~Peer() = default;
    virtual void OnAttach(SimDevice& device) { device_ = &device; }
    virtual void OnByte(Micros at, std::uint8_t byte) = 0;
    // Lets the peer act on the passing of time (the silence that ends a frame, a reply due).
    virtual void Advance(Micros now) { (void)now; }
    virtual void OnDtr(Micros at, bool set) { (void)at, (void)set; }
    // The rate the peer's own UART runs at.
    virtual std::uint32_t BaudRate() const { return 9600; }

protected:
    SimDevice* device_ = nullptr;
};

// Makes chosen driver calls fail: the n-th call from now, or every call from now on.
class FaultPlan {
public:
    void FailCall(DriverCall call, int nth = 1, DriverStatus status = kDriverIoError);
    void FailFromNow(DriverCall call, DriverStatus status = kDriverIoError);
    void Clear(DriverCall call);
    void ClearAll();
    // Counts the call; the status it is to fail with, or kDriverOk.
    DriverStatus Check(DriverCall call);
    int Calls(DriverCall call) const { return slots_[Index(call)].calls; }

private:
    struct Slot {
        int calls = 0;
        int fail_at = 0;  // call number that fails once; 0 = none
        bool fail_always = false;
        DriverStatus status = kDriverIoError;
    };
    static std::size_t Index(DriverCall call) { return static_cast<std::size_t>(call); }
    Slot slots_[kDriverCallCount];
};

// One simulated USB interface with its UART.
class SimDevice {
public:
    SimDevice(std::uint32_t id, std::string description, std::string serial);

    std::uint32_t id() const { return id_; }
    std::string description;
    std::string serial;
    // Opened by another program: its strings cannot be read and it cannot be opened.
    bool busy = false;
    // A terminal passes bytes to the RS485 side only while RTS is set.
    bool pass_through_switch = false;

    void Attach(Peer* peer);
    Peer* peer() const { return peer_; }

    // Bytes from the RS485 side toward the PC, the first starting no earlier than `at`; they
    // take wire time at the sender's baud rate.
    void SendToHost(Micros at, std::span<const std::uint8_t> bytes, std::uint32_t baud);
    void SendToHost(Micros at, std::span<const std::uint8_t> bytes);

    // Every byte the PC has written since the last ClearWire, as it left the USB side.
    const std::vector<std::uint8_t>& Wire() const { return wire_; }
    void ClearWire() { wire_.clear(); }

    bool is_open() const { return open_; }
    bool rts() const { return rts_; }
    bool dtr() const { return dtr_; }
    std::uint32_t host_baud() const { return host_baud_; }

    // Driver side.
    void Open(Micros now);
    void Close() { open_ = false; }
    void SetHostBaud(std::uint32_t baud) { host_baud_ = baud; }
    void Write(Micros now, std::span<const std::uint8_t> bytes);
    std::uint32_t Waiting(Micros now) const;
    std::uint32_t Read(Micros now, std::uint8_t* buffer, std::uint32_t count);
    void SetRts(bool set) { rts_ = set; }
    void SetDtr(Micros now, bool set);
    // Delivers the bytes and line changes whose time has come.
    void AdvanceTo(Micros now);

private:
    struct TimedByte {
        Micros at;
        std::uint8_t byte;
    };
    std::uint32_t id_;
    Peer* peer_ = nullptr;
    bool open_ = false;
    bool rts_ = false;
    bool dtr_ = false;
    std::uint32_t host_baud_ = 9600;
    double tx_free_at_ = 0;  // when the line toward the peer is free again
    double rx_free_at_ = 0;  // when the line toward the PC is free again
    std::deque<TimedByte> to_peer_;
    std::deque<TimedByte> to_host_;
    std::vector<std::uint8_t> wire_;
};

// The simulated USB bus: the devices attached to the PC, in the order the driver lists them.
class SimBus {
public:
    explicit SimBus(Clock& clock) : clock_(clock) {}

    SimDevice& AddDevice(std::string description, std::string serial);
    // The device disappears from the bus (unplugged); an open handle to it stops working.
    void Unplug(const SimDevice& device);
    std::size_t DeviceCount() const { return devices_.size(); }
    SimDevice& Device(std::size_t index) { return *devices_.at(index); }
    SimDevice* FindById(std::uint32_t id);

    FaultPlan& faults() { return faults_; }
    Clock& clock() { return clock_; }
    void AdvanceTo(Micros now);

private:
    Clock& clock_;
    std::vector<std::unique_ptr<SimDevice>> devices_;
    std::uint32_t next_id_ = 1;
    FaultPlan faults_;
};

}  // namespace ksm::sim
