#pragma once

#include "link/driver.h"
#include "sim/sim_bus.h"

namespace ksm::sim {

// The driver seam on the simulated bus. Every call first lets the bus catch up with the
// clock, then consults the fault plan.
class SimDriver final : public Driver {
public:
    explicit SimDriver(SimBus& bus) : bus_(bus) {}

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
    Micros Now();
    // Catches up with the clock and consults the fault plan.
    DriverStatus Enter(DriverCall call);
    SimDevice* OpenDevice(DriverHandle handle);

    SimBus& bus_;
};

}  // namespace ksm::sim
