#pragma once

#include "link/clock.h"
#include "link/tone.h"

typedef struct _snd_pcm snd_pcm_t;

namespace ksm {

// Tones on the PC's sound output through ALSA, the sine wave made here. On a machine without
// a sound device the signal is silent but takes its time all the same, so the tool behaves
// alike with and without sound, and shows no error.
class AlsaTone final : public Tone {
public:
    explicit AlsaTone(Clock& clock) : clock_(clock) {}
    ~AlsaTone() override;
    AlsaTone(const AlsaTone&) = delete;
    AlsaTone& operator=(const AlsaTone&) = delete;

    void Play(std::uint32_t frequency_hz, std::uint32_t duration_ms) override;
    bool HasSoundDevice();

private:
    bool Open();

    Clock& clock_;
    snd_pcm_t* pcm_ = nullptr;
    bool tried_ = false;
};

// One tone as 16-bit mono samples at `rate`, faded in and out over a millisecond so that
// the speaker does not click.
void MakeTone(std::uint32_t frequency_hz, std::uint32_t rate, std::int16_t* samples, std::size_t count);

}  // namespace ksm
