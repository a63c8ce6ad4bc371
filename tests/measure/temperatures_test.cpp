#include <gtest/gtest.h>

#include "link/control_sets.h"
#include "measure_bench.h"
#include "protocol/modbus.h"

namespace ksm {
namespace {

using sim::ReplyFault;
using test::Bytes;

constexpr const char* kHint = "Sprawdz interface lub skoryguj adres w Pomiary-Sterowanie... ";

struct TemperaturesTest : ::testing::Test {
    test::MeasureBench bench;
    sim::ModuleState& state = bench.state;

    // The reply the module sends for its levels, with its CRC, as the console shows it.
    std::string ReplyDump() const {
        std::vector<std::uint8_t> reply{0x01, 0x03, 0x20};
        for (std::uint16_t word : state.levels) {
            reply.push_back(static_cast<std::uint8_t>(word >> 8));
            reply.push_back(static_cast<std::uint8_t>(word & 0xFF));
        }
        std::uint16_t crc = ModbusCrc16(reply);
        reply.push_back(static_cast<std::uint8_t>(crc & 0xFF));
        reply.push_back(static_cast<std::uint8_t>(crc >> 8));
        std::string dump;
        for (std::uint8_t byte : reply) dump += HexByte(byte) + " ";
        return dump;
    }
};

TEST_F(TemperaturesTest, ReadShowsEveryLevelInBothGridsAndTheReplyUnderTheRequest) {
    state.levels[0] = 0x0190;   // 25.0
    state.levels[1] = 0xFFFF;   // -0.0625
    state.levels[15] = 0xEFFF;  // 3839.9375
    bench.window.SetSeparators(",", "\u00A0");
    bench.window.SetCell("StringGrid2", 1, 1, "28 23 77 58 02 00 00 46");
    bench.window.SetText("Memo1", "Memo1");

    EXPECT_TRUE(bench.Click("btn7"));

    EXPECT_EQ(bench.device.Wire(), Bytes({0x01, 0x03, 0x00, 0x00, 0x00, 0x10, 0x44, 0x06}));
    ASSERT_EQ(bench.Lines(), (std::vector<std::string>{"01 03 00 00 00 10 44 06 ", ReplyDump()}));
    EXPECT_EQ(bench.LineColour(0), TxDumpColour);
    EXPECT_EQ(bench.LineColour(1), RxDumpColour);
    EXPECT_EQ(bench.Text("Memo1"), "37");

    auto& w = bench.window;
    EXPECT_EQ(w.Cell("StringGrid3", 1, 1), "     25,00");
    EXPECT_EQ(w.Cell("StringGrid3", 1, 2), "     -0,06");
    EXPECT_EQ(w.Cell("StringGrid3", 1, 16), "     3\u00A0839,94");
    EXPECT_EQ(w.Cell("StringGrid2", 4, 16), "3\u00A0839,94");
    EXPECT_EQ(w.Cell("StringGrid2", 2, 16), "EF");
    EXPECT_EQ(w.Cell("StringGrid2", 3, 16), "FF");
    EXPECT_EQ(w.Cell("StringGrid2", 4, 3), "15,00");  // 14 + 1 degree from the module's table
    EXPECT_EQ(w.Cell("StringGrid2", 2, 1), "01");
    EXPECT_EQ(w.Cell("StringGrid2", 3, 1), "90");
    EXPECT_EQ(w.Cell("StringGrid2", 1, 1), "28 23 77 58 02 00 00 46");  // serials stay
    EXPECT_EQ(bench.measurements.LastTemperature, 3839.9375f);
    for (int counter = 0; counter < 6; ++counter)
        EXPECT_EQ(bench.Count(static_cast<ErrorCounter>(counter)), 0);

    // Back in the normal-mode set, with the whole window free again.
    EXPECT_TRUE(w.IsEnabled("btn3"));
    EXPECT_TRUE(w.IsEnabled("btn5"));
    EXPECT_FALSE(w.IsEnabled("btn6"));
    EXPECT_FALSE(w.IsEnabled("Button39"));
    EXPECT_FALSE(bench.tool.link().IsBusy());
}

TEST_F(TemperaturesTest, ControlsAreBusyWhileTheReadWaits) {
    bool busy_seen = false;
    bench.pump.At(200, [&] {
        busy_seen = !bench.window.IsEnabled("btn3") && !bench.window.IsEnabled("btn5") &&
                    bench.window.IsEnabled("ComboBox2");
    });
    bench.module.faults().Next(ReplyFault::Late(400));
    bench.Click("btn3");
    EXPECT_TRUE(busy_seen);
    EXPECT_TRUE(bench.window.IsEnabled("btn3"));
}

TEST_F(TemperaturesTest, ErrorWordsAreCountedAndTheHighestLevelDecides) {
    state.levels[2] = 0xF050;  // level 3: CRC error
    state.levels[8] = 0xF060;  // level 9: presence error

    EXPECT_EQ(bench.measurements.ReadTemperatures(1), 250);
    EXPECT_EQ(bench.Count(ErrorCounter::kOneWireCrcErrors), 1);
    EXPECT_EQ(bench.Count(ErrorCounter::kOneWirePresenceErrors), 1);
    EXPECT_EQ(bench.Text("Label20"), "Bledy CRC 1W: 1");
    EXPECT_EQ(bench.Text("Label19"), "Bledy Presence 1W: 1");
    auto& w = bench.window;
    EXPECT_EQ(w.Cell("StringGrid3", 1, 9), "     -250.00");
    EXPECT_EQ(w.Cell("StringGrid2", 2, 9), "F0");
    EXPECT_EQ(w.Cell("StringGrid2", 3, 9), "60");
    EXPECT_EQ(w.Cell("StringGrid2", 4, 9), "-250.00");
    EXPECT_EQ(w.Cell("StringGrid3", 1, 3), "     -251.00");
    EXPECT_EQ(w.Cell("StringGrid2", 3, 3), "50");

    // A presence error on the lower level and a CRC error on the higher one: 251.
    state.levels[2] = 0xF060;
    state.levels[8] = 0xF050;
    EXPECT_EQ(bench.measurements.ReadTemperatures(1), 251);
    EXPECT_EQ(bench.Count(ErrorCounter::kOneWireCrcErrors), 2);
    EXPECT_EQ(bench.Count(ErrorCounter::kOneWirePresenceErrors), 2);

    // A manual read counts the error word as another error besides.
    bench.Click("btn3");
    EXPECT_EQ(bench.Count(ErrorCounter::kOtherErrors), 1);
    EXPECT_EQ(bench.Text("Label17"), "Inne bledy USB: 1");
    EXPECT_EQ(bench.Count(ErrorCounter::kOneWireCrcErrors), 3);
}

TEST_F(TemperaturesTest, NoReplyLeavesTheGridsAndCountsMissingData) {
    bench.Click("btn3");  // a good read first
    const std::string before = bench.window.Cell("StringGrid3", 1, 5);
    ASSERT_EQ(before, "     16.00");
    bench.module.faults().Always(ReplyFault::NoReply());
    bench.state.levels[4] = 0x0190;
    bench.device.ClearWire();

    bench.Click("btn7");

    EXPECT_EQ(bench.Lines(),
              (std::vector<std::string>{"01 03 00 00 00 10 44 06 ", "", "RecieveError: 11",
                                        "Error 30.00 Timeout (11)", kHint}));
    EXPECT_EQ(bench.LineColour(3), ErrorColour);
    EXPECT_EQ(bench.LineColour(4), ErrorColour);
    EXPECT_EQ(bench.Text("Memo1"), "0");
    EXPECT_EQ(bench.window.Cell("StringGrid3", 1, 5), before);
    EXPECT_EQ(bench.window.Cell("StringGrid2", 4, 5), "16.00");
    EXPECT_EQ(bench.Count(ErrorCounter::kNoDataErrors), 1);
    EXPECT_EQ(bench.Text("Label23"), "Licznik Braku Danych: 1");
    EXPECT_EQ(bench.Count(ErrorCounter::kOtherErrors), 0);
    EXPECT_TRUE(bench.window.IsEnabled("btn7"));
}

TEST_F(TemperaturesTest, EachFailureIsShownAndCountedByItsCode) {
    struct Case {
        const char* name;
        std::function<void(test::MeasureBench&)> fault;
        StatusCode code;
        std::vector<std::string> tail;  // the last console lines
        ErrorCounter counter;
        const char* label;
        const char* caption;
    };
    const std::vector<Case> cases = {
        {"bad CRC",
         [](auto& b) { b.module.faults().Next(ReplyFault::CorruptByte(10)); },
         1,
         {"Error 30.00 Timeout (01)", kHint},
         ErrorCounter::kOtherErrors,
         "Label17",
         "Inne bledy USB: 1"},
        {"reply cut short",
         [](auto& b) { b.module.faults().Next(ReplyFault::CutShort(20)); },
         17,
         {"Error 30.00 Timeout (11)", kHint},
         ErrorCounter::kNoDataErrors,
         "Label23",
         "Licznik Braku Danych: 1"},
        {"read fails",
         [](auto& b) { b.bus.faults().FailFromNow(DriverCall::kRead); },
         15,
         {"Error 30.00 Timeout (0F)", kHint},
         ErrorCounter::kReadErrors,
         "Label21",
         "Bledy FT_READ: 1"},
        {"queue status fails",
         [](auto& b) { b.bus.faults().FailFromNow(DriverCall::kQueueStatus); },
         16,
         {"Error 30.00 Timeout (10)", kHint},
         ErrorCounter::kStatusErrors,
         "Label22",
         "Bledy FT_READ: 1"},
        {"write fails",
         [](auto& b) { b.bus.faults().FailFromNow(DriverCall::kWrite); },
         19,
         {"Error 30.00 Timeout (13)", kHint},
         ErrorCounter::kOtherErrors,
         "Label17",
         "Inne bledy USB: 1"},
        {"baud rate",
         [](auto& b) { b.bus.faults().FailCall(DriverCall::kSetBaudRate, 2); },
         12,
         {"Error SET COMMV(0C)"},
         ErrorCounter::kOtherErrors,
         "Label17",
         "Inne bledy USB: 1"},
        {"no interface",
         [](auto& b) { b.bus.Unplug(b.device); },
         8,
         {"Error: 00.08", StatusMessage(8), "Error: 00.08", StatusMessage(8)},
         ErrorCounter::kOtherErrors,
         "Label17",
         "Inne bledy USB: 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::MeasureBench b;
        b.window.SetCell("StringGrid3", 1, 1, "kept");
        c.fault(b);
        EXPECT_EQ(b.measurements.ReadTemperatures(1), c.code);
        std::vector<std::string> lines = b.Lines();
        ASSERT_GE(lines.size(), c.tail.size());
        EXPECT_EQ(std::vector<std::string>(lines.end() - c.tail.size(), lines.end()), c.tail);
        EXPECT_EQ(b.LineColour(lines.size() - 1), c.code == 8 ? kConsoleBaseColour : ErrorColour);
        EXPECT_EQ(b.window.Cell("StringGrid3", 1, 1), "kept");

        test::MeasureBench again;
        c.fault(again);
        again.Click("btn3");
        EXPECT_EQ(again.Count(c.counter), 1);
        EXPECT_EQ(again.Text(c.label), c.caption);
        int total = 0;
        for (int counter = 0; counter < 6; ++counter)
            total += again.Count(static_cast<ErrorCounter>(counter));
        EXPECT_EQ(total, 1);
    }
}

TEST_F(TemperaturesTest, TheAddressIsTheItemIndexOfTheAddressCombo) {
    struct Case {
        int item;
        std::vector<std::uint8_t> wire;
    };
    const Case cases[] = {
        {5, Bytes({0x05, 0x03, 0x00, 0x00, 0x00, 0x10, 0x45, 0x82})},
        {1, Bytes({0x01, 0x03, 0x00, 0x00, 0x00, 0x10, 0x44, 0x06})},
        {-1, Bytes({0xFF, 0x03, 0x00, 0x00, 0x00, 0x10, 0x51, 0xD8})},  // no selection: 255
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        test::MeasureBench b;
        b.state.address = static_cast<std::uint8_t>(c.item);
        b.window.SetItemIndex("ComboBox2", c.item);
        b.Click("btn3");
        EXPECT_EQ(b.device.Wire(), c.wire);
        EXPECT_EQ(b.Count(ErrorCounter::kNoDataErrors), 0);
    }
}

TEST_F(TemperaturesTest, CountersWrapAtTheirWidth) {
    ErrorCounters counters;
    for (int i = 0; i < 65535; ++i) counters.Increment(ErrorCounter::kNoDataErrors, bench.window);
    EXPECT_EQ(bench.Text("Label23"), "Licznik Braku Danych: 65535");
    counters.Increment(ErrorCounter::kNoDataErrors, bench.window);
    EXPECT_EQ(counters.Count(ErrorCounter::kNoDataErrors), 0);
    EXPECT_EQ(bench.Text("Label23"), "Licznik Braku Danych: 0");
}

}  // namespace
}  // namespace ksm
