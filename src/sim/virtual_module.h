#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "protocol/service_frame.h"
#include "sim/module_state.h"
#include "sim/reply_fault.h"
#include "sim/service_commands.h"
#include "sim/sim_bus.h"

namespace ksm::sim {

// A KSM module on the RS485 side of a simulated interface. A frame ends after a silence of
// 3.5 byte times; the module answers a few milliseconds later, its reply taking wire time.
// In normal mode it is a Modbus RTU slave; the program-mode request switches it to service
// frames until it is told to leave, saves, or is reset (a DTR pulse resets it too).
class VirtualModule final : public Peer {
  public:
    enum class Mode { kNormal, kProgram };
    enum class ResetCause { kExternal, kWatchdog, kPowerOn, kBrownOut, kJtag };

    VirtualModule();

    ModuleState& state() { return state_; }
    const ModuleState& state() const { return state_; }
    Mode mode() const { return mode_; }
    FaultScript& faults() { return faults_; }
    ServiceCommands& commands() { return commands_; }

    void EnterProgramMode() { mode_ = Mode::kProgram; }
    void EnterNormalMode() { mode_ = Mode::kNormal; }
    // Starts afresh in normal mode, counting the reset; a half-received frame is lost.
    void Reset(ResetCause cause);

    // Time from the end of a request to the start of the reply.
    void SetTurnaroundMs(std::uint32_t ms) { turnaround_us_ = ms * 1000ull; }

    // What the module has received (the latest ten thousand at least): Modbus frames as they
    // came, service requests plain.
    const std::vector<std::vector<std::uint8_t>>& ModbusRequests() const {
        return modbus_requests_;
    }
    const std::vector<ServiceFrame>& ServiceRequests() const { return service_requests_; }

    void OnByte(Micros at, std::uint8_t byte) override;
    void Advance(Micros now) override;
    void OnDtr(Micros at, bool set) override;
    std::uint32_t BaudRate() const override { return baud_; }

  private:
    void EndFrame(Micros end);
    void AnswerModbus(Micros end, std::span<const std::uint8_t> frame);
    void AnswerService(Micros end, std::span<const std::uint8_t> frame);
    // Sends a reply through the scripted fault it is given.
    void Send(Micros at, std::vector<std::uint8_t> bytes, const ReplyFault& fault);

    ModuleState state_;
    Mode mode_ = Mode::kNormal;
    FaultScript faults_;
    ServiceCommands commands_;
    std::uint32_t baud_ = 9600;
    Micros turnaround_us_ = 3000;
    std::vector<std::uint8_t> pending_;
    Micros last_byte_at_ = 0;
    bool held_in_reset_ = false;
    std::vector<std::vector<std::uint8_t>> modbus_requests_;
    std::vector<ServiceFrame> service_requests_;
};

}  // namespace ksm::sim
