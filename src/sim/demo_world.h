#pragma once

#include <memory>
#include <vector>

#include "sim/sim_bus.h"
#include "sim/sim_driver.h"

namespace ksm::sim {

// The world the tool sees in --simulate: a USB bus with one "TORVIK ZRD" interface. Later
// parts of the simulation attach the virtual module behind it.
class DemoWorld {
public:
    explicit DemoWorld(Clock& clock);

    SimBus& bus() { return bus_; }
    SimDriver& driver() { return driver_; }
    SimDevice* interface_device() { return interface_; }
    // Unplugging and plugging the interface back, as a user does with the cable.
    void UnplugInterface();
    void PlugInterface();
    bool IsInterfacePlugged() const { return interface_ != nullptr; }

private:
    SimBus bus_;
    SimDriver driver_;
    SimDevice* interface_ = nullptr;
};

}  // namespace ksm::sim
