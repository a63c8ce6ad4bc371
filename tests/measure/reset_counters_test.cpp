#include <gtest/gtest.h>

#include "measure/error_counters.h"
#include "measure_bench.h"

namespace ksm {
namespace {

using sim::ReplyFault;
using test::Bytes;

TEST(ResetCountersTest, ReadListsTheSixCountersInTheirOrder) {
    test::MeasureBench b;
    b.state.counters = {5, 1, 3, 0xFFFF, 4, 2};  // total, JTAG, WDT, B0D, EXT, POW

    EXPECT_TRUE(b.Click("BitBtn1"));

    EXPECT_EQ(b.device.Wire(), Bytes({0x01, 0x08, 0x00, 0x00, 0x00, 0x06, 0x60, 0x09}));
    std::vector<std::string> lines = b.Lines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_TRUE(lines[1].starts_with("01 08 0C 00 05 00 01 00 03 FF FF 00 04 00 02 ")) << lines[1];
    EXPECT_EQ(b.LineColour(1), RxDumpColour);
    const std::vector<std::string> expected = {
        "",
        " Reset Total................................... 5",
        " POW - (Turn off MAIN/USB voltage)............. 2",
        " EXT - (Reset via USB)......................... 4",
        " B0D - (Drop SYSTEM voltage under 4.0V)........ 65535",
        " WDT - (Reset via WatchDog Timer).............. 3",
        " JTG - (Reset via JTAG)........................ 1",
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end()), expected);
    for (std::size_t i = 3; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].find_last_of('.'), 46u) << lines[i];  // one column for the numbers
        EXPECT_EQ(b.LineColour(i), NoticeColour);
    }
    EXPECT_EQ(b.Text("Memo1"), "17");
    EXPECT_TRUE(b.window.IsEnabled("BitBtn1"));
}

TEST(ResetCountersTest, ClearTellsTheModuleAndSaysSo) {
    test::MeasureBench b;
    EXPECT_TRUE(b.Click("BitBtn2"));
    EXPECT_EQ(b.device.Wire(), Bytes({0x01, 0x08, 0x00, 0x00, 0x00, 0x01, 0x21, 0xCB}));
    std::vector<std::string> lines = b.Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[1].starts_with("01 08 00 01 ")) << lines[1];
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], " Parameters cleared...");
    EXPECT_EQ(b.LineColour(3), NoticeColour);
    EXPECT_EQ(b.state.counters.total, 0);
    EXPECT_EQ(b.state.counters.power_on, 0);

    // The module counts its resets by cause from zero again.
    using Cause = sim::VirtualModule::ResetCause;
    for (Cause cause : {Cause::kWatchdog, Cause::kJtag, Cause::kJtag, Cause::kBrownOut,
                        Cause::kPowerOn, Cause::kPowerOn, Cause::kPowerOn})
        b.module.Reset(cause);
    b.Click("BitBtn1");
    EXPECT_EQ(b.Lines()[3], " Reset Total................................... 7");
    EXPECT_EQ(b.Lines()[4], " POW - (Turn off MAIN/USB voltage)............. 3");
    EXPECT_EQ(b.Lines()[5], " EXT - (Reset via USB)......................... 0");
    EXPECT_EQ(b.Lines()[6], " B0D - (Drop SYSTEM voltage under 4.0V)........ 1");
    EXPECT_EQ(b.Lines()[7], " WDT - (Reset via WatchDog Timer).............. 1");
    EXPECT_EQ(b.Lines()[8], " JTG - (Reset via JTAG)........................ 2");
}

TEST(ResetCountersTest, ASilentModuleShowsOnlyTheTimeOut) {
    for (const char* button : {"BitBtn2", "BitBtn1"}) {
        SCOPED_TRACE(button);
        test::MeasureBench b;
        b.module.faults().Always(ReplyFault::NoReply());
        b.Click(button);
        std::vector<std::string> lines = b.Lines();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], "Error 30.00 Timeout (11)");
        EXPECT_EQ(lines.back(), "Sprawdz interface lub skoryguj adres w Pomiary-Sterowanie... ");
        EXPECT_EQ(b.pane.Text().find("Parameters cleared"), std::string::npos);
        EXPECT_EQ(b.pane.Text().find("Reset Total"), std::string::npos);
        EXPECT_EQ(b.Count(ErrorCounter::kNoDataErrors), 0);  // not a reading
        EXPECT_TRUE(b.window.IsEnabled(button));
    }
}

}  // namespace
}  // namespace ksm
