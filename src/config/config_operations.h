#pragma once

#include <span>
#include <string_view>

#include "link/link.h"
#include "link/tone.h"
#include "protocol/service_frame.h"

namespace ksm {

struct ConfigCommand;
struct ServiceDump;

// The operations of the tab "Konfiguracja Modułu" and of the developer service buttons:
// entering and leaving program mode, saving, the configuration writes, the version read, the
// module reset and the memory dumps. Each handler runs to its end on the window's thread.
class ConfigOperations {
  public:
    ConfigOperations(Link& link, Tone& tone) : link_(link), tone_(tone) {}

    // Program mode.
    void Button38Click();
    void Button39Click();
    void btn15Click();

    // Configuration commands.
    void btn12Click();
    void btn11Click();
    void Button41Click();
    void Button13Click();
    void Button17Click();
    void Button0Click();

    // Service commands.
    void btn10Click();
    void Button7Click();
    void Button14Click();
    void btn14Click();
    void Button4Click();
    void Button9Click();

  private:
    // The baud rate of the link; a refusal is reported as the failed change of speed.
    bool SetBaudRateOrReport();
    // Connection and baud rate before a frame; both report their own failures.
    bool ConnectAndSetBaudRate();
    // One service frame with the usual time-out and a full reply.
    std::uint8_t SendFrame(const ServiceFrame& frame);
    void RunConfigCommand(const ConfigCommand& command);
    void RunServiceDump(const ServiceDump& dump);
    void Signal(std::uint32_t first_hz, std::uint32_t second_hz);
    // The window's side of the module leaving program mode: no APC display, no way out of it.
    void CloseApc();

    Link& link_;
    Tone& tone_;
};

// A control with the operation its click runs; every one of them uses the link.
struct ConfigHandler {
    std::string_view control;
    void (ConfigOperations::*run)();
};
std::span<const ConfigHandler> ConfigHandlers();

}  // namespace ksm
