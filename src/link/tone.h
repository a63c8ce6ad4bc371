#pragma once

#include <cstdint>

namespace ksm {

// A short signal on the PC's speaker; returns when the tone has been played.
class Tone {
public:
    virtual ~Tone() = default;
    virtual void Play(std::uint32_t frequency_hz, std::uint32_t duration_ms) = 0;
};

}  // namespace ksm

namespace ksm {

// For machines without a sound device: the signal takes no time and makes no sound.
class SilentTone final : public Tone {
public:
    void Play(std::uint32_t, std::uint32_t) override {}
};

}  // namespace ksm
