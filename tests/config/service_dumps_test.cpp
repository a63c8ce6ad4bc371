// The developer service buttons, end to end: the frame sent, the reply bytes dumped and where
// they land in the console, the failure texts, the control state.
#include <gtest/gtest.h>

#include <functional>

#include "config/config_bench.h"
#include "sim/module_memory.h"

namespace ksm {
namespace {

using sim::ReplyFault;

const Rgb kBase = kConsoleBaseColour;
constexpr char kEarlier[] = "earlier text";

// The plain reply the module sends for a command whose data bytes are `data`.
ServiceFrame Reply(const sim::ModuleState& state, const std::uint8_t* data, std::size_t count) {
    ServiceFrame reply{};
    reply[0] = kServiceAccepted;
    std::copy_n(data, std::min<std::size_t>(count, 117), reply.begin() + 1);
    SealFrame(reply, state.key);
    return reply;
}

struct Dump {
    const char* button;
    std::uint8_t command, sub;
    bool parameter_from_combo;
    // The data the module replies with.
    std::function<ServiceFrame(const sim::ModuleState&)> reply;
    std::size_t first, count;
    bool keeps_earlier_text;
    bool program_mode_controls;  // otherwise the controls stay as they were
};

std::vector<Dump> Dumps() {
    auto eeprom = [](std::size_t start) {
        return [start](const sim::ModuleState& s) {
            sim::EepromImage image = sim::Eeprom(s);
            return Reply(s, image.data() + start, image.size() - start);
        };
    };
    auto serials = [](const sim::ModuleState& s) {
        auto table = sim::SerialTable(s);
        return Reply(s, table.data(), table.size());
    };
    auto empty = [](const sim::ModuleState& s) {
        const std::uint8_t none[1] = {};
        return Reply(s, none, 0);
    };
    return {
        {"btn10", 0x30, 0x01, false, eeprom(0), 1, 127, false, false},
        {"Button7", 0x30, 0x02, true, eeprom(0), 1, 64, false, true},
        {"Button14", 0x30, 0x03, true, eeprom(64), 1, 65, true, true},
        {"btn14", 0xA0, 0x00, true, serials, 1, 127, false, false},
        {"Button4", 0xA0, 0x00, false, serials, 1, 100, false, false},
        {"Button9", 0x90, 0x11, false, empty, 0, 128, true, false},
    };
}

TEST(ServiceDumps, EachDumpShowsItsReplyBytesInItsPlace) {
    for (const Dump& d : Dumps()) {
        SCOPED_TRACE(d.button);
        test::ConfigBench bench;
        // The module is in program mode while the window still shows the normal-mode set.
        bench.module.EnterProgramMode();
        bench.module.state().address = 9;
        bench.window.SetItemIndex("ComboBox1", 17);
        bench.console.ConsoleSet(kEarlier);
        bench.device.ClearWire();

        ASSERT_TRUE(bench.Click(d.button));

        ServiceFrame frame = bench.LastFrameOnWire();
        EXPECT_EQ(frame[0], 0x7E);
        EXPECT_EQ(frame[1], d.command);
        EXPECT_EQ(frame[2], d.sub);
        EXPECT_EQ(frame[3], d.parameter_from_combo ? 17 : 0);
        for (std::size_t i = 4; i < 118; ++i) ASSERT_EQ(frame[i], 0x00) << i;

        ServiceFrame reply = d.reply(bench.module.state());
        std::string dump = test::HexDump(reply.data() + d.first, d.count);
        EXPECT_EQ(Utf8Length(dump), 3 * d.count);
        EXPECT_EQ(bench.pane.Text(), (d.keeps_earlier_text ? kEarlier : "") + dump);
        EXPECT_TRUE(bench.AllInColour(kBase));
        if (d.program_mode_controls) {
            EXPECT_TRUE(bench.InProgramModeControls());
        } else {
            EXPECT_TRUE(bench.InNormalModeControls());
        }
    }
}

TEST(ServiceDumps, TheDumpsShowTheModulesMemory) {
    test::ConfigBench bench;
    bench.EnterProgramMode();
    bench.module.state().address = 0x2B;
    bench.module.state().interval = 0x3C;
    ASSERT_TRUE(bench.Click("Button7"));
    // Address, interval, addressing and work type, version, two unused bytes, then the
    // first sensor's 1-Wire address.
    EXPECT_EQ(bench.pane.Text().substr(0, 3 * 9), "2B 3C 00 00 00 41 FF FF 28 ");
    ASSERT_TRUE(bench.Click("Button9"));
    EXPECT_EQ(bench.pane.Text().substr(3 * 64, 3), "06 ");
}

TEST(ServiceDumps, FailuresShowTheirTextsAndNothingOfTheReply) {
    struct Case {
        const char* button;
        ReplyFault fault;
        const char* expected;  // the whole console afterwards
        bool program_mode_controls;
    };
    const Case cases[] = {
        {"btn10", ReplyFault::Status(0x05), "earlier text\nError 70.00(05)", false},
        {"Button7", ReplyFault::NoReply(), "earlier text\n DTI_Error: 21\nError 20.01(15)", true},
        {"Button14", ReplyFault::Refuse(), "earlier text\nError 20.01(15)", true},
        {"btn14", ReplyFault::NoReply(), "earlier text\n DTI_Error: 21\nError A0.00(15)", false},
        // Emptied before sending.
        {"Button4", ReplyFault::NoReply(), "\n DTI_Error: 21\nError 70.02(15)", false},
        {"Button9", ReplyFault::NoReply(), "earlier text\n DTI_Error: 21\nError komenda:90.11",
         false},
        {"Button9", ReplyFault::Status(0x05), "earlier text\nError komenda:90.11", false},
        {"Button9", ReplyFault::CorruptByte(7), "earlier text\n Error CC: 1\nError komenda:90.11",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        test::ConfigBench bench;
        bench.module.EnterProgramMode();
        bench.console.ConsoleSet(kEarlier);
        bench.module.faults().Next(c.fault);

        ASSERT_TRUE(bench.Click(c.button));

        EXPECT_EQ(bench.pane.Text(), c.expected);
        EXPECT_TRUE(bench.AllInColour(kBase));
        if (c.program_mode_controls) {
            EXPECT_TRUE(bench.InProgramModeControls());
        } else {
            EXPECT_TRUE(bench.InNormalModeControls());
        }
    }
}

TEST(ServiceDumps, ConnectionAndBaudRateFailuresEndTheCommand) {
    for (const Dump& d : Dumps()) {
        for (const test::LinkFailure& c : test::LinkFailures()) {
            SCOPED_TRACE(testing::Message() << d.button << ", " << c.name);
            test::ConfigBench bench;
            bench.pane.SetText("", kBase);
            c.arrange(bench);

            ASSERT_TRUE(bench.Click(d.button));

            EXPECT_EQ(bench.pane.Lines(), c.lines);
            if (d.program_mode_controls) {
                EXPECT_TRUE(bench.InProgramModeControls());
            } else {
                EXPECT_TRUE(bench.InNormalModeControls());
            }
        }
    }
}

TEST(ServiceDumps, TestCommandEndsTheApcDisplayBeforeItSends) {
    test::ConfigBench bench;
    bench.module.EnterProgramMode();
    bench.window.SetTimerEnabled("Timer3", true);
    bench.window.ShowApcWindow(true);
    bench.window.SetEnabled("Button37", true);
    bench.bus.Unplug(bench.device);  // it ends so even when nothing can be sent

    ASSERT_TRUE(bench.Click("Button9"));

    EXPECT_FALSE(bench.window.IsTimerEnabled("Timer3"));
    EXPECT_FALSE(bench.window.IsApcWindowShown());
    EXPECT_FALSE(bench.window.IsEnabled("Button37"));
}

}  // namespace
}  // namespace ksm
