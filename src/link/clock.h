#pragma once

#include <cstdint>

namespace ksm {

// Every wait of the tool asks this clock for the time and sleeps through it, so that
// tests can run on virtual time.
struct TimeOfDay {
    int hours = 0, minutes = 0, seconds = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint64_t NowMs() = 0;
    // Finer time for the simulated wire; defaults to whole milliseconds.
    virtual std::uint64_t NowUs() { return NowMs() * 1000; }
    virtual void SleepMs(std::uint32_t ms) = 0;
    // Local wall-clock time, for the time stamps of logs.
    virtual TimeOfDay LocalTimeOfDay() = 0;
};

// The machine's monotonic clock and real sleeps.
class SteadyClock final : public Clock {
public:
    SteadyClock();
    std::uint64_t NowMs() override;
    std::uint64_t NowUs() override;
    void SleepMs(std::uint32_t ms) override;
    TimeOfDay LocalTimeOfDay() override;

private:
    std::uint64_t origin_us_;
};

}  // namespace ksm
