#include "sim/virtual_clock.h"

namespace ksm::sim {

TimeOfDay VirtualClock::LocalTimeOfDay() {
    std::uint64_t seconds = start_.hours * 3600ull + start_.minutes * 60ull + start_.seconds;
    seconds = (seconds + now_us_ / 1'000'000) % 86400;
    return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
            static_cast<int>(seconds % 60)};
}

}  // namespace ksm::sim
