#include "measure/cyclic.h"

#include <gtest/gtest.h>

#include "link/control_sets.h"
#include "measure/cyclic_log.h"
#include "measure_bench.h"
#include "protocol/catalogue.h"

namespace ksm {
namespace {

using sim::ReplyFault;

const std::string kStart = "***************** 9:5:3 *****************";

// The tool started at 9:05:03 with its window as at start (interval 4 s, mode T). Every
// tick of Timer1 is noted: when it came and whether it ran.
struct CyclicBench {
    test::MeasureBench bench;
    CyclicMeasurement& cyclic = bench.tool.cyclic();
    sim::MemoryWindow& window = bench.window;
    struct Tick {
        std::uint64_t at;
        bool ran;
    };
    std::vector<Tick> ticks;
    int inside = 0;       // ticks now running
    bool nested = false;  // a tick ran inside another

    CyclicBench() {
        bench.clock.SetTimeOfDayAtStart({9, 5, 3});
        window.BindTimer("Timer1", [this] {
            std::uint64_t at = bench.clock.NowMs();
            ++inside;
            bool ran = bench.tool.Fire("Timer1");
            --inside;
            if (ran && inside > 0) nested = true;
            ticks.push_back({at, ran});
        });
    }
    std::vector<std::string> Log() const { return window.MemoLines("Memo2"); }
    std::vector<std::uint64_t> RanAt() const {
        std::vector<std::uint64_t> at;
        for (const Tick& t : ticks)
            if (t.ran) at.push_back(t.at);
        return at;
    }
    std::string Text(std::string_view control) const { return window.Text(control); }
    void SelectMode(const char* mode) {
        window.SetChecked("T", std::string_view(mode) == "T");
        window.SetChecked("RH", std::string_view(mode) == "RH");
    }
};

struct CyclicTest : ::testing::Test, CyclicBench {};

TEST(CyclicLogTest, StampsWithoutLeadingZerosAndCodesInFourDigits) {
    struct Case {
        TimeOfDay time;
        const char* stamp;
    };
    const Case cases[] = {{{9, 5, 3}, "9:5:3"},
                          {{0, 0, 0}, "0:0:0"},
                          {{10, 0, 9}, "10:0:9"},
                          {{23, 59, 59}, "23:59:59"}};
    for (const Case& c : cases) EXPECT_EQ(LogStamp(c.time), c.stamp);
    EXPECT_EQ(StartLogLine({9, 5, 3}), kStart);
    EXPECT_EQ(OtherCodeLogLine({9, 5, 7}, "Inne bledy USB: 1", 12), "9:5:7 Inne bledy USB: 1 000C");
    EXPECT_EQ(OtherCodeLogLine({9, 5, 7}, "Inne bledy USB: 2", 0xAB12),
              "9:5:7 Inne bledy USB: 2 AB12");
    EXPECT_EQ(ShtLogLine({9, 5, 7}, kShtCrcError), "9:5:7      I2C CRC ERROR");
}

TEST_F(CyclicTest, StartLogsTheTimeAndTicksAfter100MsThenAtTheInterval) {
    EXPECT_TRUE(bench.Click("btn5"));
    EXPECT_EQ(Log(), std::vector<std::string>{kStart});
    EXPECT_TRUE(window.IsTimerEnabled("Timer1"));
    EXPECT_EQ(window.TimerInterval("Timer1"), 100u);
    // Running: busy, with Stop; the address, interval and mode stay free.
    EXPECT_TRUE(window.IsEnabled("btn6"));
    for (const char* off : {"btn5", "btn3", "btn7", "Button8", "BitBtn1", "BitBtn3", "Button38"})
        EXPECT_FALSE(window.IsEnabled(off)) << off;
    for (const char* on : {"ComboBox2", "ComboBox4", "T", "RH"})
        EXPECT_TRUE(window.IsEnabled(on)) << on;

    bench.pump.RunFor(12'000);
    EXPECT_EQ(RanAt(), (std::vector<std::uint64_t>{100, 4100, 8100}));
    EXPECT_EQ(window.TimerInterval("Timer1"), 4000u);
    EXPECT_EQ(Text("Label18"), "Cykle Pomiarowe: 3");
    EXPECT_EQ(Log().size(), 1u);  // good readings log nothing
    EXPECT_EQ(bench.module.ModbusRequests().size(), 3u);

    // A new interval counts from the next tick.
    window.SetItemIndex("ComboBox4", 0);
    bench.pump.RunFor(5'000);
    EXPECT_EQ(RanAt(),
              (std::vector<std::uint64_t>{100, 4100, 8100, 12100, 13100, 14100, 15100, 16100}));
}

TEST_F(CyclicTest, ASilentModuleIsLoggedOnEveryTick) {
    bench.module.faults().Always(ReplyFault::NoReply());
    bench.Click("btn5");
    bench.pump.RunFor(8'000);
    EXPECT_EQ(Log(), (std::vector<std::string>{kStart, "9:5:3 Licznik Braku Danych: 1",
                                               "9:5:7 Licznik Braku Danych: 2"}));
    EXPECT_EQ(Text("Label23"), "Licznik Braku Danych: 2");
    EXPECT_EQ(Text("Label18"), "Cykle Pomiarowe: 2");
    EXPECT_EQ(bench.Count(ErrorCounter::kNoDataErrors), 2);
    EXPECT_EQ(bench.Lines().back(),
              "Sprawdz interface lub skoryguj adres w Pomiary-Sterowanie... ");
}

TEST_F(CyclicTest, EachFailureOfATickHasItsLineAndCounter) {
    struct Case {
        const char* name;
        std::function<void(test::MeasureBench&)> fault;
        std::string line;
        ErrorCounter counter;
        const char* label;
    };
    const std::vector<Case> cases = {
        {"baud rate", [](auto& b) { b.bus.faults().FailCall(DriverCall::kSetBaudRate, 2); },
         "9:5:7 Inne bledy USB: 1 000C", ErrorCounter::kOtherErrors, "Label17"},
        {"queue status", [](auto& b) { b.bus.faults().FailFromNow(DriverCall::kQueueStatus); },
         "9:5:7 Bledy FT_READ: 1", ErrorCounter::kStatusErrors, "Label22"},
        // A failed read counts among the others in a tick.
        {"read", [](auto& b) { b.bus.faults().FailFromNow(DriverCall::kRead); },
         "9:5:7 Inne bledy USB: 1 000F", ErrorCounter::kOtherErrors, "Label17"},
        {"bad CRC", [](auto& b) { b.module.faults().Next(ReplyFault::CorruptByte(4)); },
         "9:5:7 Inne bledy USB: 1 0001", ErrorCounter::kOtherErrors, "Label17"},
        {"write", [](auto& b) { b.bus.faults().FailFromNow(DriverCall::kWrite); },
         "9:5:7 Inne bledy USB: 1 0013", ErrorCounter::kOtherErrors, "Label17"},
        {"no interface", [](auto& b) { b.bus.Unplug(b.device); }, "9:5:7 Inne bledy USB: 1 0008",
         ErrorCounter::kOtherErrors, "Label17"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CyclicBench t;
        t.bench.Click("btn5");
        t.bench.pump.RunFor(1'000);  // a good first tick at 9:5:3
        c.fault(t.bench);
        t.bench.pump.RunFor(4'000);
        EXPECT_EQ(t.Log(), (std::vector<std::string>{kStart, c.line}));
        EXPECT_EQ(t.bench.Count(c.counter), 1);
        EXPECT_EQ(t.Text(c.label), c.line.substr(6, c.line.find(": 1") + 3 - 6));
        EXPECT_EQ(t.Text("Label18"), "Cykle Pomiarowe: 2");
        EXPECT_EQ(t.bench.Count(ErrorCounter::kReadErrors), 0);
    }
}

TEST_F(CyclicTest, OnlyTheHighestErrorWordIsLoggedButEveryLevelIsCounted) {
    bench.state.levels[1] = sim::ModuleState::kCrcError;       // level 2
    bench.state.levels[4] = sim::ModuleState::kPresenceError;  // level 5
    bench.Click("btn5");
    bench.pump.RunFor(1'000);
    EXPECT_EQ(Log(), (std::vector<std::string>{kStart, "9:5:3 Bledy Presence 1W: 1"}));
    EXPECT_EQ(bench.Count(ErrorCounter::kOneWireCrcErrors), 1);
    EXPECT_EQ(bench.Count(ErrorCounter::kOneWirePresenceErrors), 1);
    EXPECT_EQ(Text("Label20"), "Bledy CRC 1W: 1");
    EXPECT_EQ(bench.Count(ErrorCounter::kOtherErrors), 0);  // not counted again

    bench.state.levels[4] = 0x0190;
    bench.pump.RunFor(4'000);
    EXPECT_EQ(Log().back(), "9:5:7 Bledy CRC 1W: 2");
}

TEST_F(CyclicTest, HumidityErrorWordsAreLoggedWithoutCounting) {
    struct Case {
        std::uint16_t sot, sorh;
        std::string line;
    };
    const Case cases[] = {
        {6510, 5420, "9:5:3      I2C ACK Error - Timeout"},
        {29010, 1500, "9:5:3      I2C ACK Error - Timeout"},
        {6510, 5472, "9:5:3      I2C CRC ERROR"},
        {29110, 1500, "9:5:3      I2C CRC ERROR"},
        {29110, 5420, "9:5:3      I2C ACK Error - Timeout"},  // humidity wins
        {29010, 5472, "9:5:3      I2C CRC ERROR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        CyclicBench t;
        t.SelectMode("RH");
        t.bench.state.sht_temperature = c.sot;
        t.bench.state.sht_humidity = c.sorh;
        t.bench.Click("btn5");
        t.bench.pump.RunFor(1'000);
        EXPECT_EQ(t.Log(), (std::vector<std::string>{kStart, c.line}));
        for (int counter = 0; counter < 6; ++counter)
            EXPECT_EQ(t.bench.Count(static_cast<ErrorCounter>(counter)), 0);
        EXPECT_EQ(t.Text("Label18"), "Cykle Pomiarowe: 1");
        EXPECT_EQ(t.bench.module.ModbusRequests().at(0).at(1), catalogue::kReadSht);
    }
}

TEST_F(CyclicTest, SwitchingToHumidityDuringATemperatureTickReadsBoth) {
    bench.state.sht_humidity = 5420;
    bench.module.faults().Next(ReplyFault::Late(300));  // the temperature reply comes late
    bench.pump.At(250, [this] { SelectMode("RH"); });
    bench.Click("btn5");
    bench.pump.RunFor(1'000);
    ASSERT_EQ(bench.module.ModbusRequests().size(), 2u);
    EXPECT_EQ(bench.module.ModbusRequests()[0][1], catalogue::kReadLevels);
    EXPECT_EQ(bench.module.ModbusRequests()[1][1], catalogue::kReadSht);
    EXPECT_EQ(window.Cell("StringGrid3", 1, 1), "     14.00");
    EXPECT_EQ(Log(), (std::vector<std::string>{kStart, "9:5:3      I2C ACK Error - Timeout"}));
    EXPECT_EQ(Text("Label18"), "Cykle Pomiarowe: 1");
    EXPECT_EQ(RanAt().size(), 1u);

    bench.pump.RunFor(4'000);  // the next tick reads the humidity only
    ASSERT_EQ(bench.module.ModbusRequests().size(), 3u);
    EXPECT_EQ(bench.module.ModbusRequests()[2][1], catalogue::kReadSht);
}

TEST_F(CyclicTest, CounterResetShowsDotsAndTheNextEventCountsFromOne) {
    bench.module.faults().Always(ReplyFault::NoReply());
    bench.state.levels[0] = sim::ModuleState::kPresenceError;
    bench.Click("btn5");
    bench.pump.RunFor(8'000);
    ASSERT_EQ(bench.Count(ErrorCounter::kNoDataErrors), 2);
    const std::vector<std::string> log = Log();

    EXPECT_TRUE(bench.Click("btn4"));
    for (const char* label :
         {"Label17", "Label18", "Label19", "Label20", "Label21", "Label22", "Label23"})
        EXPECT_EQ(Text(label), "...") << label;
    for (int counter = 0; counter < 6; ++counter)
        EXPECT_EQ(bench.Count(static_cast<ErrorCounter>(counter)), 0);
    EXPECT_EQ(cyclic.MeasurementCycles, 0);
    EXPECT_EQ(Log(), log);  // the log stays

    bench.pump.RunFor(4'000);
    EXPECT_EQ(Text("Label23"), "Licznik Braku Danych: 1");
    EXPECT_EQ(Text("Label18"), "Cykle Pomiarowe: 1");
    EXPECT_EQ(Log().back(), "9:5:11 Licznik Braku Danych: 1");

    bench.module.faults().Clear();
    bench.pump.RunFor(4'000);
    EXPECT_EQ(Text("Label19"), "Bledy Presence 1W: 1");

    // Emptying the log leaves the counters.
    EXPECT_TRUE(bench.Click("Button6"));
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(Text("Label18"), "Cykle Pomiarowe: 2");
}

TEST_F(CyclicTest, TheCycleCounterWraps) {
    cyclic.MeasurementCycles = 65535;
    bench.Click("btn5");
    bench.pump.RunFor(1'000);
    EXPECT_EQ(Text("Label18"), "Cykle Pomiarowe: 0");
}

TEST_F(CyclicTest, StopDuringAWaitingTickLetsItFinishAndNothingElseStartsInside) {
    bench.module.faults().Always(ReplyFault::NoReply());
    bool stop_ran = false, read_ran = true, start_ran = false;
    bench.pump.At(600, [&] { stop_ran = bench.Click("btn6"); });
    // Stop re-enables the reading buttons, but the tick still holds the link.
    bench.pump.At(700, [&] { read_ran = bench.Click("btn3"); });
    bench.Click("btn5");
    bench.pump.RunFor(20'000);

    EXPECT_TRUE(stop_ran);
    EXPECT_FALSE(read_ran);
    EXPECT_EQ(RanAt(), std::vector<std::uint64_t>{100});
    EXPECT_EQ(Log(), (std::vector<std::string>{kStart, "9:5:3 Licznik Braku Danych: 1"}));
    EXPECT_EQ(bench.module.ModbusRequests().size(), 1u);
    EXPECT_FALSE(window.IsTimerEnabled("Timer1"));
    EXPECT_FALSE(window.IsEnabled("btn6"));
    EXPECT_TRUE(window.IsEnabled("btn5"));
    EXPECT_TRUE(window.IsEnabled("btn3"));

    // Start again: the log and the counters go on.
    bench.pump.At(bench.clock.NowMs() + 50, [&] { start_ran = bench.Click("btn5"); });
    bench.pump.RunFor(2'000);
    EXPECT_TRUE(start_ran);
    EXPECT_EQ(Log(), (std::vector<std::string>{kStart, "9:5:3 Licznik Braku Danych: 1",
                                               "***************** 9:5:23 *****************",
                                               "9:5:23 Licznik Braku Danych: 2"}));
}

TEST_F(CyclicTest, AtOneSecondNoTickStartsWhileAnotherWaits) {
    window.SetItemIndex("ComboBox4", 0);
    bench.module.faults().Always(ReplyFault::NoReply());
    bench.Click("btn5");
    bench.pump.RunFor(30'000);

    EXPECT_FALSE(nested);
    std::vector<std::uint64_t> ran = RanAt();
    ASSERT_GE(ran.size(), 10u);
    std::size_t skipped = ticks.size() - ran.size();
    EXPECT_GE(skipped, ran.size() - 1);  // each exchange outlasts the interval
    // Each tick begins after the previous one has ended: more than its 1.2 s time-out.
    for (std::size_t i = 1; i < ran.size(); ++i) EXPECT_GT(ran[i] - ran[i - 1], 1200u);
    EXPECT_EQ(Text("Label18"), "Cykle Pomiarowe: " + std::to_string(ran.size()));
    EXPECT_EQ(bench.Count(ErrorCounter::kNoDataErrors), ran.size());
    EXPECT_EQ(Log().size(), ran.size() + 1);
    EXPECT_EQ(bench.module.ModbusRequests().size(), ran.size());
}

TEST_F(CyclicTest, WithoutAnIntervalChosenTheMeasurementTicksOncePerStart) {
    window.SetItemIndex("ComboBox4", -1);
    bench.Click("btn5");
    bench.pump.RunFor(20'000);
    EXPECT_EQ(RanAt(), std::vector<std::uint64_t>{100});
    EXPECT_EQ(window.TimerInterval("Timer1"), 0u);
    EXPECT_TRUE(window.IsEnabled("btn6"));  // still running, without ticks

    bench.Click("btn6");
    bench.Click("btn5");
    bench.pump.RunFor(20'000);
    EXPECT_EQ(RanAt(), (std::vector<std::uint64_t>{100, 20'100}));
    EXPECT_EQ(Text("Label18"), "Cykle Pomiarowe: 2");
}

}  // namespace
}  // namespace ksm
