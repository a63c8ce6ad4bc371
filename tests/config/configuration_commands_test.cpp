// The configuration writes, the version read and the module reset, end to end.
#include <gtest/gtest.h>

#include <functional>

#include "app/window_model.h"
#include "config/config_bench.h"
#include "sim/demo_world.h"

namespace ksm {
namespace {

using sim::ReplyFault;
using sim::VirtualModule;

const Rgb kBase = kConsoleBaseColour;

struct ConfigurationCommandsTest : ::testing::Test {
    test::ConfigBench bench;
    sim::ModuleState& state = bench.module.state();
};

TEST_F(ConfigurationCommandsTest, EachCommandSendsItsComboBoxAndShowsItsSuccessText) {
    struct Case {
        const char* button;
        const char* combo;
        int index;
        std::uint8_t command, sub, parameter;
        const char* text;
        std::function<int(const sim::ModuleState&)> written;  // -1: nothing to check
    };
    auto none = [](const sim::ModuleState&) { return -1; };
    const Case cases[] = {
        {"btn12", "ComboBox1", 12, 0x70, 0x00, 0x0C, "Adres wpisany do pamięci poprawnie...",
         [](const sim::ModuleState& s) { return int{s.address}; }},
        {"btn12", "ComboBox1", -1, 0x70, 0x00, 0xFF, "Adres wpisany do pamięci poprawnie...",
         [](const sim::ModuleState& s) { return int{s.address}; }},
        {"btn11", "ComboBox3", 59, 0x70, 0x01, 60,
         "Interwał Pomiarowy wpisany do pamięci poprawnie...",
         [](const sim::ModuleState& s) { return int{s.interval}; }},
        {"btn11", "ComboBox3", 254, 0x70, 0x01, 255,
         "Interwał Pomiarowy wpisany do pamięci poprawnie...",
         [](const sim::ModuleState& s) { return int{s.interval}; }},
        {"btn11", "ComboBox3", -1, 0x70, 0x01, 0x00,
         "Interwał Pomiarowy wpisany do pamięci poprawnie...",
         [](const sim::ModuleState& s) { return int{s.interval}; }},
        {"Button41", "ComboBox6", 0, 0x70, 0x03, 0x00, "Aktywny Adres z pamieci EEPROM...",
         [](const sim::ModuleState& s) { return int{s.addressing_type}; }},
        {"Button41", "ComboBox6", 1, 0x70, 0x03, 0x01, "Aktywny Adres Hardwarowy...",
         [](const sim::ModuleState& s) { return int{s.addressing_type}; }},
        {"Button41", "ComboBox6", -1, 0x70, 0x03, 0xFF, "Aktywny Adres Hardwarowy...",
         [](const sim::ModuleState& s) { return int{s.addressing_type}; }},
        {"Button13", "ComboBox7", 1, 0x70, 0x04, 0x01,
         "Obsluga SHTxx wpisana do pamięci poprawnie...",
         [](const sim::ModuleState& s) { return int{s.work_type}; }},
        {"Button13", "ComboBox7", 3, 0x70, 0x04, 0x03,
         "Obsluga SHTxx wpisana do pamięci poprawnie...",
         [](const sim::ModuleState& s) { return int{s.work_type}; }},
        {"Button17", "ComboBox1", 5, 0x30, 0x00, 0x05, "Wersja oprogramowania: 00.41", none},
        {"Button17", "ComboBox1", -1, 0x30, 0x00, 0xFF, "Wersja oprogramowania: 00.41", none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.button << " with " << c.combo << " at " << c.index);
        test::ConfigBench bench;
        bench.EnterProgramMode();
        bench.window.SetItemIndex(c.combo, c.index);

        ASSERT_TRUE(bench.Click(c.button));

        ServiceFrame frame = bench.LastFrameOnWire();
        EXPECT_EQ(bench.device.Wire().size(), 128u);
        EXPECT_EQ(frame[0], 0x7E);
        EXPECT_EQ(frame[1], c.command);
        EXPECT_EQ(frame[2], c.sub);
        EXPECT_EQ(frame[3], c.parameter);
        for (std::size_t i = 4; i < 118; ++i) ASSERT_EQ(frame[i], 0x00) << i;
        EXPECT_EQ(bench.pane.Text(), c.text);
        EXPECT_TRUE(bench.AllInColour(kBase));
        EXPECT_TRUE(bench.InProgramModeControls());
        EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kProgram);
        int written = c.written(bench.module.state());
        if (written >= 0) {
            EXPECT_EQ(written, c.parameter);
        }
    }
}

TEST_F(ConfigurationCommandsTest, TheVersionReadShowsTheReplyInHexadecimal) {
    bench.EnterProgramMode();
    state.firmware_major = 0x2A;
    state.firmware_minor = 0x0F;
    ASSERT_TRUE(bench.Click("Button17"));
    EXPECT_EQ(bench.pane.Text(), "Wersja oprogramowania: 2A.0F");
}

TEST_F(ConfigurationCommandsTest, AFailedCommandAppendsItsLabelWithTheCode) {
    struct Case {
        const char* button;
        ReplyFault fault;
        const char* appended;
    };
    const Case cases[] = {
        {"btn12", ReplyFault::Status(0x05), "\nError 70.00(05)"},
        {"btn11", ReplyFault::NoReply(), "\n DTI_Error: 21\nError 70.01(15)"},
        {"Button41", ReplyFault::Refuse(), "\nError 70.03(15)"},
        {"Button13", ReplyFault::CorruptByte(40), "\n Error CC: 1\nError 70.04(01)"},
        {"Button17", ReplyFault::CutShort(100), "\n DTI_Error: 28\nError 20.01(1C)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        test::ConfigBench bench;
        bench.EnterProgramMode();
        const std::string before = bench.pane.Text();
        bench.module.faults().Next(c.fault);

        ASSERT_TRUE(bench.Click(c.button));

        EXPECT_EQ(bench.pane.Text(), before + c.appended);
        EXPECT_TRUE(bench.AllInColour(kBase));
        EXPECT_TRUE(bench.InProgramModeControls());
    }
}

TEST_F(ConfigurationCommandsTest, NoInterfaceOrNoBaudRateEndsInProgramModeControls) {
    const char* kButtons[] = {"btn12", "btn11", "Button41", "Button13", "Button17", "Button0"};
    for (const char* button : kButtons) {
        for (const test::LinkFailure& c : test::LinkFailures()) {
            SCOPED_TRACE(testing::Message() << button << ", " << c.name);
            test::ConfigBench bench;
            bench.EnterProgramMode();
            bench.pane.SetText("", kBase);
            c.arrange(bench);

            ASSERT_TRUE(bench.Click(button));

            EXPECT_EQ(bench.pane.Lines(), c.lines);
            EXPECT_TRUE(bench.InProgramModeControls());
        }
    }
}

TEST_F(ConfigurationCommandsTest, ResetEndsInNormalModeAcknowledgedOrNot) {
    struct Case {
        const char* name;
        ReplyFault fault;
        const char* appended;  // after the text before the reset; null: the text is replaced
    };
    const Case cases[] = {
        {"acknowledged by its first byte", ReplyFault{}, nullptr},
        {"no byte back", ReplyFault::NoReply(), "\n DTI_Error: 21\nError 20.01(15)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ConfigBench bench;
        bench.EnterProgramMode();
        bench.window.SetItemIndex("ComboBox1", 9);
        bench.window.ShowApcWindow(true);
        bench.window.SetEnabled("Button37", true);
        const std::string before = bench.pane.Text();
        const std::uint16_t resets = bench.module.state().counters.total;
        bench.module.faults().Next(c.fault);
        const std::uint64_t start = bench.clock.NowMs();

        ASSERT_TRUE(bench.Click("Button0"));

        EXPECT_EQ(bench.pane.Text(), c.appended ? before + c.appended : "Reset Code OK...");
        EXPECT_TRUE(bench.AllInColour(kBase));
        EXPECT_TRUE(bench.InNormalModeControls());
        EXPECT_FALSE(bench.window.IsApcWindowShown());
        EXPECT_FALSE(bench.window.IsEnabled("Button37"));
        EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kNormal);
        EXPECT_EQ(bench.module.state().counters.total, resets + 1);
        ServiceFrame frame = bench.LastFrameOnWire();
        EXPECT_EQ(frame[1], 0x20);
        EXPECT_EQ(frame[2], 0x01);
        EXPECT_EQ(frame[3], 9);
        // One byte suffices: the acknowledgement is taken long before the time-out.
        if (!c.appended) {
            EXPECT_LT(bench.clock.NowMs() - start, 300u);
        }
    }
}

// A technician's session: program mode, a new address and interval, save; afterwards the
// module answers at its new address only, and shows the saved values on the next entry.
void ChangeAddressAndIntervalThenSave(test::SimWorld& world, Tool& tool, VirtualModule& module) {
    sim::MemoryWindow& window = world.window;
    tool.Start();

    ASSERT_TRUE(tool.Fire("Button38"));
    window.SetItemIndex("ComboBox1", 23);
    ASSERT_TRUE(tool.Fire("btn12"));
    window.SetItemIndex("ComboBox3", 29);
    ASSERT_TRUE(tool.Fire("btn11"));
    ASSERT_TRUE(tool.Fire("btn15"));
    EXPECT_EQ(world.pane.Text(), "Dane Zapisane OK...");
    EXPECT_EQ(module.mode(), VirtualModule::Mode::kNormal);

    // The measurement tab still at the old address hears nothing; at the new one it reads.
    ASSERT_EQ(window.ItemIndex("ComboBox2"), 1);
    ASSERT_TRUE(tool.Fire("btn7"));
    EXPECT_NE(world.pane.Text().find("RecieveError: 11"), std::string::npos);
    EXPECT_EQ(window.Cell("StringGrid3", 1, 1), "");
    window.SetItemIndex("ComboBox2", 23);
    ASSERT_TRUE(tool.Fire("btn7"));
    EXPECT_EQ(world.pane.Lines().at(0), "17 03 00 00 00 10 46 F0 ");
    EXPECT_EQ(world.pane.Text().find("Error"), std::string::npos);
    EXPECT_EQ(window.Cell("StringGrid3", 1, 1), "     14.00");

    ASSERT_TRUE(tool.Fire("Button38"));
    std::vector<std::string> lines = world.pane.Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Device Adress: 23");
    EXPECT_EQ(lines[2], "Measure Interval: 30 sec.");
    EXPECT_EQ(window.ItemIndex("ComboBox1"), 23);
    EXPECT_EQ(window.ItemIndex("ComboBox3"), 29);
}

TEST_F(ConfigurationCommandsTest, ANewAddressAndIntervalSavedAreWhereTheModuleAnswers) {
    ChangeAddressAndIntervalThenSave(bench, bench.tool, bench.module);
}

TEST(ConfigurationDemo, TheSimulatedInterfaceOfTheDemoTakesANewAddress) {
    test::SimWorld world;
    PrepareWindows(world.window, world.console);
    sim::DemoWorld demo(world.clock);
    sim::ToneRecorder tone(world.clock);
    Tool tool(Seams{demo.driver(), world.clock, world.pump, world.console, world.window, tone});
    ChangeAddressAndIntervalThenSave(world, tool, demo.module());
}

TEST(ConfigurationHandlers, EveryConfigurationControlIsBound) {
    test::ConfigBench bench;
    for (const char* control :
         {"Button38", "Button39", "btn15", "btn12", "btn11", "Button41", "Button13", "Button17",
          "Button0", "btn10", "Button7", "Button14", "btn14", "Button4", "Button9"}) {
        EXPECT_TRUE(bench.tool.HasHandler(control)) << control;
    }
}

}  // namespace
}  // namespace ksm
