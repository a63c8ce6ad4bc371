#include "link/alsa_tone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "sim/virtual_clock.h"

namespace ksm {
namespace {

TEST(Tone, SineOfTheAskedFrequencyWithoutClicks) {
    constexpr std::uint32_t kRate = 48000;
    std::vector<std::int16_t> samples(kRate * 70 / 1000);
    MakeTone(730, kRate, samples.data(), samples.size());
    // Rising zero crossings count the periods: 730 Hz for 70 ms is 51 of them.
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) crossings += samples[i - 1] < 0 && samples[i] >= 0;
    EXPECT_NEAR(crossings, 51, 1);
    EXPECT_EQ(samples.front(), 0);
    EXPECT_LT(std::abs(samples.back()), 500);
    EXPECT_GT(*std::max_element(samples.begin(), samples.end()), 10000);
}

TEST(Tone, WithoutSoundDeviceEachToneStillTakesItsTime) {
    sim::VirtualClock clock;
    AlsaTone tone(clock);
    if (tone.HasSoundDevice()) GTEST_SKIP() << "this machine has a sound device";
    tone.Play(730, 70);
    tone.Play(850, 70);
    EXPECT_EQ(clock.NowMs(), 140u);
}

}  // namespace
}  // namespace ksm
