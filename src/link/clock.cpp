#include "link/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace ksm {
namespace {
std::uint64_t MonotonicUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

SteadyClock::SteadyClock() : origin_us_(MonotonicUs()) {}

std::uint64_t SteadyClock::NowUs() { return MonotonicUs() - origin_us_; }

std::uint64_t SteadyClock::NowMs() { return NowUs() / 1000; }

void SteadyClock::SleepMs(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TimeOfDay SteadyClock::LocalTimeOfDay() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace ksm
