#pragma once

#include "link/clock.h"

namespace ksm::sim {

// Time that moves only when someone sleeps or a test advances it: a 10-second time-out
// costs microseconds and every run is the same.
class VirtualClock final : public Clock {
public:
    std::uint64_t NowMs() override { return now_us_ / 1000; }
    std::uint64_t NowUs() override { return now_us_; }
    void SleepMs(std::uint32_t ms) override { now_us_ += std::uint64_t{ms} * 1000; }
    TimeOfDay LocalTimeOfDay() override;

    void AdvanceUs(std::uint64_t us) { now_us_ += us; }
    // The wall-clock time at virtual time 0.
    void SetTimeOfDayAtStart(TimeOfDay start) { start_ = start; }

private:
    std::uint64_t now_us_ = 0;
    TimeOfDay start_{};
};

}  // namespace ksm::sim
