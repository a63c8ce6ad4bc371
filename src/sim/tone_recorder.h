#pragma once

#include <cstdint>
#include <vector>

#include "link/clock.h"
#include "link/tone.h"

namespace ksm::sim {

// Remembers every tone played; the tone takes its duration on the clock, as a real one does.
class ToneRecorder final : public Tone {
public:
    struct Played {
        std::uint32_t frequency_hz;
        std::uint32_t duration_ms;
        friend bool operator==(const Played&, const Played&) = default;
    };
    explicit ToneRecorder(Clock& clock) : clock_(clock) {}
    void Play(std::uint32_t frequency_hz, std::uint32_t duration_ms) override {
        played_.push_back({frequency_hz, duration_ms});
        clock_.SleepMs(duration_ms);
    }
    const std::vector<Played>& played() const { return played_; }
    void clear() { played_.clear(); }

private:
    Clock& clock_;
    std::vector<Played> played_;
};

}  // namespace ksm::sim
