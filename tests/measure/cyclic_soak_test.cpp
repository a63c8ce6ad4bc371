// A day of cyclic measurement on virtual time against a module that fails at random.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "measure/cyclic.h"
#include "measure/cyclic_log.h"
#include "measure_bench.h"

namespace ksm {
namespace {

using sim::ReplyFault;

// Hours of virtual time: a day, or four hours under the address sanitizer, whose build
// runs the same ticks several times slower; KSM_SOAK_HOURS sets any other length.
std::uint64_t SoakHours() {
#if defined(__SANITIZE_ADDRESS__)
    constexpr std::uint64_t kDefaultHours = 4;
#else
    constexpr std::uint64_t kDefaultHours = 24;
#endif
    const char* hours = std::getenv("KSM_SOAK_HOURS");
    return hours ? std::strtoull(hours, nullptr, 10) : kDefaultHours;
}

enum class Fault {
    kNone,
    kLateButInTime,
    kInPieces,
    kNoReply,
    kCutShort,
    kTooLate,
    kCorruptByte,
    kErrorWords,    // temperature mode: presence and CRC words on random levels
    kShtErrorWord,  // humidity mode: one of the four SHTxx error words
    kBaudRate,
    kOpen,
    kQueueStatus,
    kRead,
    kWrite,
    kCount
};

struct Soak {
    test::MeasureBench bench;
    CyclicMeasurement& cyclic = bench.tool.cyclic();
    std::mt19937 random{20240611};
    const std::vector<std::string>& log = bench.window.Control("Memo2").lines;

    // What the tool should have counted and logged so far.
    std::array<std::uint32_t, kErrorCounterCount> counts{};
    std::uint32_t ticks = 0, skipped = 0;
    std::uint64_t next_due = 100;  // the first tick after Start
    std::array<std::uint32_t, static_cast<int>(Fault::kCount)> faults{};
    std::size_t logged = 0;  // lines the failures must have added
    bool mismatch = false;
    std::string first_mismatch;

    Soak() {
        bench.clock.SetTimeOfDayAtStart({6, 0, 0});
        bench.window.SetItemIndex("ComboBox4", 0);  // 1 s
        bench.window.BindTimer("Timer1", [this] { Tick(); });
    }

    int Pick(int n) { return static_cast<int>(random() % n); }
    std::uint32_t& Count(ErrorCounter c) { return counts[static_cast<std::size_t>(c)]; }
    std::string Caption(ErrorCounter c, std::string_view words) {
        return std::string(words) + std::to_string(++Count(c) & 0xFFFF);
    }

    // The event loop between ticks, without pumping through the idle milliseconds: every
    // tick, run or skipped, sets the timer's next moment a second ahead.
    void RunFor(std::uint64_t ms) {
        const std::uint64_t end = bench.clock.NowMs() + ms;
        while (bench.clock.NowMs() < end) {
            std::uint64_t now = bench.clock.NowMs();
            std::uint64_t target = std::min(next_due, end);
            bench.clock.AdvanceUs((target > now ? target - now : 1) * 1000);
            bench.pump.Pump();
        }
    }

    void Tick() {
        next_due = bench.clock.NowMs() + 1000;
        if (bench.tool.link().IsBusy()) {
            // The previous tick still waits: this one must not start.
            if (bench.tool.Fire("Timer1")) Fail("a tick ran inside another");
            ++skipped;
            return;
        }
        const bool humidity = Pick(3) == 0;
        bench.window.SetChecked("T", !humidity);
        bench.window.SetChecked("RH", humidity);
        Fault fault = Pick(10) < 3
                          ? Fault::kNone
                          : static_cast<Fault>(1 + Pick(static_cast<int>(Fault::kCount) - 1));
        if (fault == Fault::kErrorWords && humidity) fault = Fault::kShtErrorWord;
        if (fault == Fault::kShtErrorWord && !humidity) fault = Fault::kErrorWords;
        ++faults[static_cast<int>(fault)];

        const std::string stamp = LogStamp(bench.clock.LocalTimeOfDay());
        const std::size_t lines_before = log.size();
        std::vector<std::string> expected = Arrange(fault, humidity, stamp);

        if (!bench.tool.Fire("Timer1")) Fail("a tick did not run on a free link");
        ++ticks;
        Restore();

        logged += expected.size();
        std::vector<std::string> got(log.begin() + static_cast<long>(lines_before), log.end());
        if (got != expected) Fail("tick " + std::to_string(ticks) + " at " + stamp);
    }

    // Scripts the fault and returns the log lines it must give.
    std::vector<std::string> Arrange(Fault fault, bool humidity, const std::string& stamp) {
        auto& module = bench.module;
        auto& plan = bench.bus.faults();
        auto other = [&](StatusCode code) {
            return std::vector<std::string>{
                OtherCodeLogLine(bench.clock.LocalTimeOfDay(),
                                 Caption(ErrorCounter::kOtherErrors, "Inne bledy USB: "), code)};
        };
        auto no_data = [&] {
            return std::vector<std::string>{
                stamp + " " + Caption(ErrorCounter::kNoDataErrors, "Licznik Braku Danych: ")};
        };
        switch (fault) {
            case Fault::kNone:
                return {};
            case Fault::kLateButInTime:
                module.faults().Next(ReplyFault::Late(100 + Pick(900)));
                return {};
            case Fault::kInPieces:
                module.faults().Next(
                    ReplyFault::InPieces({1 + std::size_t(Pick(4)), 2}, 5 + Pick(20)));
                return {};
            case Fault::kNoReply:
                module.faults().Next(ReplyFault::NoReply());
                return no_data();
            case Fault::kCutShort:
                module.faults().Next(ReplyFault::CutShort(1 + Pick(humidity ? 8 : 36)));
                return no_data();
            case Fault::kTooLate:
                module.faults().Next(ReplyFault::Late(1300 + Pick(200)));
                return no_data();
            case Fault::kCorruptByte:
                module.faults().Next(
                    ReplyFault::CorruptByte(Pick(humidity ? 9 : 37), 1 + Pick(255)));
                return other(1);
            case Fault::kErrorWords: {
                // The highest level with an error word decides the line; every level counts.
                std::vector<std::string> lines;
                int decisive = 0;
                for (int level = 0; level < 16; ++level) {
                    int word = Pick(8);
                    if (word == 0) {
                        bench.state.levels[level] = sim::ModuleState::kPresenceError;
                        ++Count(ErrorCounter::kOneWirePresenceErrors);
                        decisive = 250;
                    } else if (word == 1) {
                        bench.state.levels[level] = sim::ModuleState::kCrcError;
                        ++Count(ErrorCounter::kOneWireCrcErrors);
                        decisive = 251;
                    }
                }
                if (decisive == 250)
                    return {stamp + " Bledy Presence 1W: " +
                            std::to_string(Count(ErrorCounter::kOneWirePresenceErrors) & 0xFFFF)};
                if (decisive == 251)
                    return {stamp + " Bledy CRC 1W: " +
                            std::to_string(Count(ErrorCounter::kOneWireCrcErrors) & 0xFFFF)};
                return {};
            }
            case Fault::kShtErrorWord: {
                static constexpr std::uint16_t kWords[] = {29010, 29110, 5420, 5472};
                std::uint16_t word = kWords[Pick(4)];
                (word > 10000 ? bench.state.sht_temperature : bench.state.sht_humidity) = word;
                bool ack = word == 29010 || word == 5420;
                return {stamp + "      " + std::string(ack ? kShtAckError : kShtCrcError)};
            }
            case Fault::kBaudRate:
                plan.FailCall(DriverCall::kSetBaudRate, 2);
                return other(status::kBaudRateFailed);
            case Fault::kOpen:
                plan.FailCall(DriverCall::kOpen);
                return other(status::kInterfaceOpenFailed);
            case Fault::kQueueStatus:
                plan.FailFromNow(DriverCall::kQueueStatus);
                return {stamp + " " + Caption(ErrorCounter::kStatusErrors, "Bledy FT_READ: ")};
            case Fault::kRead:
                plan.FailFromNow(DriverCall::kRead);
                return other(status::kReadFailed);
            case Fault::kWrite:
                plan.FailFromNow(DriverCall::kWrite);
                return other(status::kWriteFailed);
            case Fault::kCount:
                break;
        }
        return {};
    }

    void Restore() {
        bench.bus.faults().ClearAll();
        bench.module.faults().Clear();
        bench.state = sim::ModuleState{};
    }

    void Fail(const std::string& what) {
        if (!mismatch) first_mismatch = what;
        mismatch = true;
    }
};

TEST(CyclicSoakTest, ADayOfRandomFaultsIsCountedAndLoggedExactly) {
    Soak soak;
    soak.bench.Click("btn5");
    soak.RunFor(SoakHours() * 3'600'000);
    soak.bench.Click("btn6");

    EXPECT_FALSE(soak.mismatch) << soak.first_mismatch;
    for (std::size_t c = 0; c < kErrorCounterCount; ++c) {
        SCOPED_TRACE(c);
        EXPECT_EQ(soak.bench.Count(static_cast<ErrorCounter>(c)), soak.counts[c] & 0xFFFF);
    }
    EXPECT_EQ(soak.cyclic.MeasurementCycles, soak.ticks & 0xFFFF);
    for (int f = 0; f < static_cast<int>(Fault::kCount); ++f) EXPECT_GT(soak.faults[f], 0u) << f;
    EXPECT_GT(soak.skipped, 0u);  // failed exchanges outlast the interval
    // The start line and one line per failure; the console holds the last reading only.
    EXPECT_EQ(soak.log.size(), 1 + soak.logged);
    EXPECT_LT(soak.bench.pane.Text().size(), 1000u);
    EXPECT_LE(soak.bench.module.ModbusRequests().size(), 20'000u);
    ::testing::Test::RecordProperty("ticks", static_cast<int>(soak.ticks));
    ::testing::Test::RecordProperty("skipped", static_cast<int>(soak.skipped));
}

}  // namespace
}  // namespace ksm
