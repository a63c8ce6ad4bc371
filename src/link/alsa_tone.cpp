#include "link/alsa_tone.h"

#include <alsa/asoundlib.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace ksm {
namespace {
constexpr std::uint32_t kRate = 48000;
constexpr double kAmplitude = 0.35 * 32767;

// ALSA prints its complaints about missing cards on stderr; a tool without sound stays quiet.
void Quiet(const char*, int, const char*, int, const char*, ...) {}
}  // namespace

void MakeTone(std::uint32_t frequency_hz, std::uint32_t rate, std::int16_t* samples, std::size_t count) {
    const std::size_t fade = rate / 1000;
    for (std::size_t i = 0; i < count; ++i) {
        double envelope = 1.0;
        if (i < fade) envelope = static_cast<double>(i) / fade;
        if (count - i < fade) envelope = static_cast<double>(count - i) / fade;
        double phase = 2.0 * std::numbers::pi * frequency_hz * static_cast<double>(i) / rate;
        samples[i] = static_cast<std::int16_t>(std::lround(kAmplitude * envelope * std::sin(phase)));
    }
}

AlsaTone::~AlsaTone() {
    if (pcm_) snd_pcm_close(pcm_);
}

bool AlsaTone::Open() {
    if (pcm_ || tried_) return pcm_ != nullptr;
    tried_ = true;
    snd_lib_error_set_handler(&Quiet);
    if (snd_pcm_open(&pcm_, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
        pcm_ = nullptr;
        return false;
    }
    if (snd_pcm_set_params(pcm_, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRate, 1,
                           50'000) < 0) {
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
    }
    return pcm_ != nullptr;
}

bool AlsaTone::HasSoundDevice() { return Open(); }

void AlsaTone::Play(std::uint32_t frequency_hz, std::uint32_t duration_ms) {
    if (!Open()) {
        clock_.SleepMs(duration_ms);
        return;
    }
    std::vector<std::int16_t> samples(static_cast<std::size_t>(kRate) * duration_ms / 1000);
    MakeTone(frequency_hz, kRate, samples.data(), samples.size());
    snd_pcm_prepare(pcm_);
    snd_pcm_sframes_t written = snd_pcm_writei(pcm_, samples.data(), samples.size());
    if (written < 0) written = snd_pcm_recover(pcm_, static_cast<int>(written), 1);
    // The next tone starts only when this one has been heard in full.
    snd_pcm_drain(pcm_);
}

}  // namespace ksm
