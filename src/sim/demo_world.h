#pragma once

#include <memory>
#include <vector>

#include "sim/sim_bus.h"
#include "sim/sim_driver.h"
#include "sim/virtual_module.h"

namespace ksm::sim {

// The world the tool sees in --simulate: a USB bus with one "TORVIK ZRD" interface and a
// virtual KSM module behind it.
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
    VirtualModule& module() { return module_; }

  private:
    VirtualModule module_;  // outlives the bus whose interface points at it
    SimBus bus_;
    SimDriver driver_;
    SimDevice* interface_ = nullptr;
};

}  // namespace ksm::sim
