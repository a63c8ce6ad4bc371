#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "link/pump.h"
#include "sim/virtual_clock.h"

namespace ksm::sim {

// The message pump of tests: runs what a test scheduled for this moment of virtual time
// ("at t = 300 ms click Button6") and lets the in-memory window's timers tick.
class ScriptedPump final : public MessagePump {
public:
    explicit ScriptedPump(VirtualClock& clock) : clock_(clock) {}

    void Pump() override;

    void At(std::uint64_t time_ms, std::function<void()> event);
    // Called on every pump, after the scheduled events (timers of the in-memory window).
    void AddTicker(std::function<void()> ticker) { tickers_.push_back(std::move(ticker)); }

    // The event loop between handlers: advances time in 1 ms steps, pumping at each.
    void RunFor(std::uint64_t ms);
    void RunUntil(std::uint64_t time_ms);

private:
    VirtualClock& clock_;
    std::multimap<std::uint64_t, std::function<void()>> events_;
    std::vector<std::function<void()>> tickers_;
};

}  // namespace ksm::sim
