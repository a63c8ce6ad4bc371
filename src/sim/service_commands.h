#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "protocol/catalogue.h"
#include "protocol/service_frame.h"

namespace ksm::sim {

class VirtualModule;

// What the module does with its reply after a command has run.
struct ServiceOutcome {
    std::uint8_t status = kServiceAccepted;
    // Time the command takes beyond the module's usual turnaround.
    std::uint32_t processing_ms = 0;
    // How much of the reply gets out (a module that resets stops sending).
    std::size_t reply_bytes = kServiceFrameSize;
};

// A command of program mode: reads the plain request, fills the data bytes 1 to 117 of the
// plain reply (all zero when it is called), acts on the module.
using ServiceHandler = std::function<ServiceOutcome(
    VirtualModule& module, const ServiceFrame& request, ServiceFrame& reply)>;

// The commands a module in program mode serves, by command and sub-command. A frame with
// a command not in the table is refused.
class ServiceCommands {
  public:
    void Set(catalogue::ServiceCommand command, ServiceHandler handler);
    const ServiceHandler* Find(std::uint8_t command, std::uint8_t sub) const;

  private:
    static std::uint16_t Key(std::uint8_t command, std::uint8_t sub) {
        return static_cast<std::uint16_t>(command << 8 | sub);
    }
    std::map<std::uint16_t, ServiceHandler> table_;
};

// Version read, the configuration writes, save, reset and leaving program mode.
void InstallConfigurationCommands(ServiceCommands& commands);

}  // namespace ksm::sim
