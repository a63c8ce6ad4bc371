#pragma once

#include <ostream>

#include "link/clock.h"
#include "link/driver.h"

namespace ksm {

// Wraps any driver and writes the traffic, one line each: every write and every non-empty
// read ("<ms> TX|RX <count> <hex bytes>"), every failing call ("<ms> FAIL <call> <status>"),
// and every other call that succeeded, receive polls aside ("<ms> CALL <call>").
class TracingDriver final : public Driver {
public:
    TracingDriver(Driver& inner, Clock& clock, std::ostream& out) : inner_(inner), clock_(clock), out_(out) {}

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
    DriverStatus Note(DriverCall call, DriverStatus status);
    void Bytes(const char* direction, const std::uint8_t* data, std::uint32_t count);

    Driver& inner_;
    Clock& clock_;
    std::ostream& out_;
};

}  // namespace ksm
