#include "sim/scripted_pump.h"

namespace ksm::sim {

void ScriptedPump::At(std::uint64_t time_ms, std::function<void()> event) {
    events_.emplace(time_ms, std::move(event));
}

void ScriptedPump::Pump() {
    // An event may itself wait and pump, so each one leaves the queue before it runs.
    while (!events_.empty() && events_.begin()->first <= clock_.NowMs()) {
        auto event = std::move(events_.begin()->second);
        events_.erase(events_.begin());
        event();
    }
    for (std::size_t i = 0; i < tickers_.size(); ++i) tickers_[i]();
}

void ScriptedPump::RunFor(std::uint64_t ms) { RunUntil(clock_.NowMs() + ms); }

void ScriptedPump::RunUntil(std::uint64_t time_ms) {
    Pump();
    while (clock_.NowMs() < time_ms) {
        clock_.SleepMs(1);
        Pump();
    }
}

}  // namespace ksm::sim
