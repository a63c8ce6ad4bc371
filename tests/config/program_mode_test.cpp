// Entering and leaving program mode and saving, end to end: the window seam, the console
// with its colours, the tones, the bytes on the simulated bus and the virtual module.
#include <gtest/gtest.h>

#include "config/config_bench.h"
#include "protocol/catalogue.h"
#include "protocol/modbus.h"

namespace ksm {
namespace {

using sim::ReplyFault;
using sim::ToneRecorder;
using sim::VirtualModule;
using test::ColouredLine;
using Played = ToneRecorder::Played;

const Rgb kBase = kConsoleBaseColour;
const std::vector<Played> kEnterSignal = {{730, 70}, {850, 70}};
const std::vector<Played> kLeaveSignal = {{850, 70}, {730, 70}};

struct ProgramModeTest : ::testing::Test {
    test::ConfigBench bench;
    sim::ModuleState& state = bench.module.state();
};

// --- entering program mode -------------------------------------------------------------

TEST_F(ProgramModeTest, EnteringShowsTheConfigurationAndSetsTheComboBoxes) {
    struct Case {
        const char* name;
        std::uint8_t address, interval, addressing_type, work_type;
        std::vector<ColouredLine> lines;
        int combo1, combo3, combo6, combo7;
    };
    const Case cases[] = {
        {"usual module",
         1,
         10,
         0,
         0,
         {{"Program Mode ON...", NoticeColour},
          {"Device Adress: 1", ValueColour},
          {"Measure Interval: 10 sec.", ValueColour}},
         1,
         9,
         0,
         0},
        {"address 250, interval 0, work type 2",
         250,
         0,
         1,
         2,
         {{"Program Mode ON...", NoticeColour},
          {"Device Adress: 250", ValueColour},
          {"Measure Interval: 0 sec.", ValueColour},
          {"Device Adress Error: 250", ErrorColour}},
         -1,
         -1,
         1,
         2},
        {"highest address, interval 255, work type 3",
         247,
         255,
         1,
         3,
         {{"Program Mode ON...", NoticeColour},
          {"Device Adress: 247", ValueColour},
          {"Measure Interval: 255 sec.", ValueColour}},
         247,
         254,
         1,
         3},
        {"address 248 and an addressing type beyond the list",
         248,
         1,
         2,
         1,
         {{"Program Mode ON...", NoticeColour},
          {"Device Adress: 248", ValueColour},
          {"Measure Interval: 1 sec.", ValueColour},
          {"Device Adress Error: 248", ErrorColour}},
         -1,
         0,
         -1,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ConfigBench bench;
        sim::ModuleState& state = bench.module.state();
        state.address = c.address;
        state.interval = c.interval;
        state.addressing_type = c.addressing_type;
        state.work_type = c.work_type;
        bench.window.SetTimerEnabled("Timer1", true);

        ASSERT_TRUE(bench.Click("Button38"));

        std::vector<ColouredLine> lines = bench.ColouredLines();
        ASSERT_GE(lines.size(), c.lines.size());
        EXPECT_EQ(std::vector<ColouredLine>(lines.begin(), lines.begin() + c.lines.size()),
                  c.lines);
        EXPECT_EQ(bench.window.ItemIndex("ComboBox1"), c.combo1);
        EXPECT_EQ(bench.window.ItemIndex("ComboBox3"), c.combo3);
        EXPECT_EQ(bench.window.ItemIndex("ComboBox6"), c.combo6);
        EXPECT_EQ(bench.window.ItemIndex("ComboBox7"), c.combo7);
        EXPECT_TRUE(bench.InProgramModeControls());
        EXPECT_FALSE(bench.window.IsTimerEnabled("Timer1"));
        EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kProgram);
        EXPECT_EQ(bench.tone.played(), kEnterSignal);
    }
}

TEST_F(ProgramModeTest, TheVersionReadReusesTheRequestBuffer) {
    ASSERT_TRUE(bench.Click("Button38"));
    const std::vector<std::uint8_t>& wire = bench.device.Wire();
    ASSERT_EQ(wire.size(), 8u + 128u);
    std::vector<std::uint8_t> request(wire.begin(), wire.begin() + 8);
    EXPECT_EQ(std::string(request.begin(), request.begin() + 6), "TORVIK");
    EXPECT_TRUE(ModbusCrcMatches(request));

    ServiceFrame frame = bench.LastFrameOnWire();
    EXPECT_EQ(frame[0], 'T');
    EXPECT_EQ(frame[1], 0x30);
    EXPECT_EQ(frame[2], 0x00);
    EXPECT_EQ(std::string(frame.begin() + 3, frame.begin() + 6), "VIK");
    for (std::size_t i = 6; i < 118; ++i) ASSERT_EQ(frame[i], 0xFF) << i;
    // The module served it: the version it reported is judged below the settings.
    EXPECT_EQ(bench.module.ServiceRequests().size(), 1u);
}

TEST_F(ProgramModeTest, EveryFirmwareVersionIsJudgedWithItsLinesColoursAndTones) {
    const char* kStandard =
        "Connected module has firmware that supports standard features of "
        "sensor segregation.";
    const char* kTorvik =
        "Automatic segregation is working correctly for probes made according "
        "to TORVIK standard...";
    const char* kRaveltone =
        "Automatic segregation is working correctly for SOME probes made "
        "according to RAVELTONE standard...";
    const char* kBelun =
        "Automatic segregation is working correctly for probes made according "
        "to BELUN standard...";
    const char* kChange = "Change firmware if you use TORVIK standard probe...";
    const char* kWrong = "Wrong firmware version please contact TORVIK support...";
    const std::vector<ColouredLine> kFamily0 = {
        {"", NoticeColour}, {kStandard, NoticeColour}, {kTorvik, NoticeColour}};
    const std::vector<ColouredLine> kFamily1 = {
        {"", ErrorColour},
        {"Connected module has firmware version 1x.xx", ErrorColour},
        {kRaveltone, ErrorColour},
        {"", ErrorColour},
        {kChange, ErrorColour}};
    const std::vector<ColouredLine> kFamily2 = {
        {"", ErrorColour},
        {"Connected module has firmware version 2x.xx", ErrorColour},
        {kBelun, ErrorColour},
        {"", ErrorColour},
        {kChange, ErrorColour}};
    const std::vector<ColouredLine> kMaxSensors = {
        {"", ValueColour}, {"Firmware support max. 16 sensors per channel!", ValueColour}};
    const std::vector<ColouredLine> kWrongVersion = {{"", ErrorColour}, {kWrong, ErrorColour}};
    const std::vector<ColouredLine> kOldFirmware = {
        {"", ErrorColour},
        {"Connected module has old firmware.", ErrorColour},
        {"You have to update firmware to version:: 00.41", ErrorColour}};
    auto join = [](std::initializer_list<std::vector<ColouredLine>> parts) {
        std::vector<ColouredLine> all;
        for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    };

    struct Case {
        std::uint8_t major, minor;
        std::vector<ColouredLine> lines;
    };
    const Case cases[] = {
        {0x00, 0x41, join({kFamily0, kMaxSensors})},
        {0x00, 0x40, join({kFamily0, kMaxSensors, kOldFirmware})},
        {0x00, 0x99, join({kFamily0, kMaxSensors})},
        {0x10, 0x30,
         join({kFamily1,
               {{"", ValueColour}, {"Firmware support max. 16 sensors per channel !", ValueColour}},
               kOldFirmware})},
        {0x11, 0x41,
         join({kFamily1, {{"", ErrorColour}, {"Firmware version error", ErrorColour}}})},
        {0x20, 0x50, join({kFamily2, kMaxSensors})},
        {0x2A, 0x41, join({kFamily2, kWrongVersion})},
        {0x05, 0x41, join({kFamily0, kWrongVersion})},
        {0x30, 0x41, kWrongVersion},
        {0xF0, 0x00, join({kWrongVersion, kOldFirmware})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "version " << HexByte(c.major) << "." << HexByte(c.minor));
        test::ConfigBench bench;
        bench.module.state().firmware_major = c.major;
        bench.module.state().firmware_minor = c.minor;

        ASSERT_TRUE(bench.Click("Button38"));

        std::vector<ColouredLine> expected = {{"Program Mode ON...", NoticeColour},
                                              {"Device Adress: 1", ValueColour},
                                              {"Measure Interval: 10 sec.", ValueColour}};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(bench.ColouredLines(), expected);
        EXPECT_EQ(bench.tone.played(), kEnterSignal);
        EXPECT_TRUE(bench.InProgramModeControls());
    }
}

TEST_F(ProgramModeTest, AFailedVersionReadLeavesProgramModeAndTheComboBoxesSet) {
    state.address = 7;
    state.interval = 30;
    state.work_type = 1;
    bench.module.faults().Next(ReplyFault{});  // the program-mode request is answered
    bench.module.faults().Next(ReplyFault::NoReply());

    ASSERT_TRUE(bench.Click("Button38"));

    EXPECT_EQ(bench.pane.Text(),
              "Program Mode ON...\nDevice Adress: 7\nMeasure Interval: 30 sec."
              "\n DTI_Error: 21\nError 20.01(15)");
    EXPECT_TRUE(bench.AllInColour(kBase));
    EXPECT_TRUE(bench.InProgramModeControls());
    EXPECT_EQ(bench.window.ItemIndex("ComboBox1"), 7);
    EXPECT_EQ(bench.window.ItemIndex("ComboBox3"), 29);
    EXPECT_EQ(bench.window.ItemIndex("ComboBox7"), 1);
    EXPECT_TRUE(bench.tone.played().empty());
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kProgram);
}

TEST_F(ProgramModeTest, EnteringFailsBeforeTheModuleAnswersAndLeavesTheWindowAsItWas) {
    struct Case {
        const char* name;
        std::function<void(test::ConfigBench&)> arrange;
        std::vector<std::string> lines;
        bool timer_stopped;
    };
    const std::string kNoDevice = StatusMessage(status::kNoDevice);
    const Case cases[] = {
        // The connection reports its failure and the handler reports it again.
        {"no interface",
         [](test::ConfigBench& b) { b.bus.Unplug(b.device); },
         {"Error: 00.08", kNoDevice, "Error: 00.08", kNoDevice},
         false},
        {"baud rate refused",
         [](test::ConfigBench& b) {
             b.bus.faults().FailCall(DriverCall::kSetBaudRate, 2);  // after the open's own
         },
         {"", "Error 57.AB(0C)"},
         true},
        {"request not answered",
         [](test::ConfigBench& b) { b.module.faults().Next(ReplyFault::NoReply()); },
         {"54 4F 52 56 49 4B DF 0E ", "", "RecieveError: 11", "Error 30.00(11)"},
         true},
        {"request answered with a bad CRC",
         [](test::ConfigBench& b) { b.module.faults().Next(ReplyFault::CorruptByte(3)); },
         {"54 4F 52 56 49 4B DF 0E ", "01 00 00 0B 00 00 21 C8 ", "RecieveCRC_Error: 01",
          "Error 30.00(01)"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ConfigBench bench;
        bench.window.SetTimerEnabled("Timer1", true);
        bench.pane.SetText("", kBase);
        c.arrange(bench);

        ASSERT_TRUE(bench.Click("Button38"));

        EXPECT_EQ(bench.pane.Lines(), c.lines);
        EXPECT_TRUE(bench.InNormalModeControls());
        EXPECT_EQ(bench.window.IsTimerEnabled("Timer1"), !c.timer_stopped);
        EXPECT_TRUE(bench.tone.played().empty());
    }
}

// --- leaving program mode --------------------------------------------------------------

TEST_F(ProgramModeTest, NormalModeLeavesWithTheFallingSignal) {
    bench.EnterProgramMode();
    bench.window.ShowApcWindow(true);
    bench.window.SetEnabled("Button37", true);

    ASSERT_TRUE(bench.Click("Button39"));

    EXPECT_EQ(bench.pane.Text(), "Program Mode OFF...");
    EXPECT_TRUE(bench.AllInColour(kBase));
    EXPECT_TRUE(bench.InNormalModeControls());
    EXPECT_FALSE(bench.window.IsApcWindowShown());
    EXPECT_FALSE(bench.window.IsEnabled("Button37"));
    EXPECT_EQ(bench.tone.played(), kLeaveSignal);
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kNormal);
    ServiceFrame frame = bench.LastFrameOnWire();
    EXPECT_EQ(frame[0], 0x7E);
    EXPECT_EQ(frame[1], 0xAA);
    EXPECT_EQ(frame[2], 0x55);
    for (std::size_t i = 3; i < 118; ++i) ASSERT_EQ(frame[i], 0x00) << i;
}

TEST_F(ProgramModeTest, AFailedNormalModeFrameStillSwitchesTheWindowToNormalMode) {
    bench.EnterProgramMode();
    bench.window.ShowApcWindow(true);
    bench.window.SetEnabled("Button37", true);
    bench.module.faults().Next(ReplyFault::NoReply());
    const std::string before = bench.pane.Text();

    ASSERT_TRUE(bench.Click("Button39"));

    EXPECT_EQ(bench.pane.Text(), before + "\n DTI_Error: 21\nError AA.55(15)");
    EXPECT_TRUE(bench.AllInColour(kBase));
    EXPECT_TRUE(bench.InNormalModeControls());
    EXPECT_FALSE(bench.window.IsApcWindowShown());
    EXPECT_FALSE(bench.window.IsEnabled("Button37"));
    EXPECT_TRUE(bench.tone.played().empty());
}

TEST_F(ProgramModeTest, SavingShowsItsWaitThenTheAcknowledgementAndReturnsToNormalMode) {
    bench.EnterProgramMode();
    bench.window.ShowApcWindow(true);
    bench.window.SetEnabled("Button37", true);
    std::string during;
    bool busy_during = false;
    const std::uint64_t start = bench.clock.NowMs();
    bench.pump.At(start + 300, [&] {
        during = bench.pane.Text();
        busy_during = bench.InBusyControls();
    });

    ASSERT_TRUE(bench.Click("btn15"));

    EXPECT_EQ(during, "Zapisuję dane - Proszę czekać...");
    EXPECT_TRUE(busy_during);
    EXPECT_EQ(bench.pane.Text(), "Dane Zapisane OK...");
    EXPECT_TRUE(bench.AllInColour(kBase));
    EXPECT_TRUE(bench.InNormalModeControls());
    EXPECT_FALSE(bench.window.IsApcWindowShown());
    EXPECT_FALSE(bench.window.IsEnabled("Button37"));
    EXPECT_EQ(bench.tone.played(), (std::vector<Played>{{850, 70}}));
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kNormal);
    // The module took its EEPROM time before it answered.
    EXPECT_GT(bench.clock.NowMs() - start, 600u);
    ServiceFrame frame = bench.LastFrameOnWire();
    EXPECT_EQ(frame[1], 0x70);
    EXPECT_EQ(frame[2], 0x02);
}

TEST_F(ProgramModeTest, SavingWaitsUpToTenSecondsForTheAcknowledgement) {
    struct Case {
        const char* name;
        ReplyFault fault;
        bool saved;
    };
    const Case cases[] = {
        {"acknowledged after nine seconds", ReplyFault::Late(9000), true},
        {"never acknowledged", ReplyFault::NoReply(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::ConfigBench bench;
        bench.EnterProgramMode();
        bench.module.faults().Next(c.fault);
        const std::uint64_t start = bench.clock.NowMs();

        ASSERT_TRUE(bench.Click("btn15"));

        const std::uint64_t took = bench.clock.NowMs() - start;
        if (c.saved) {
            EXPECT_EQ(bench.pane.Text(), "Dane Zapisane OK...");
            EXPECT_TRUE(bench.InNormalModeControls());
            EXPECT_GT(took, 9000u);
        } else {
            EXPECT_EQ(bench.pane.Text(),
                      "Zapisuję dane - Proszę czekać...\n DTI_Error: 21\nError 70.02(15)");
            EXPECT_TRUE(bench.AllInColour(kBase));
            EXPECT_TRUE(bench.InProgramModeControls());
            EXPECT_TRUE(bench.tone.played().empty());
            EXPECT_GE(took, 10000u);
            EXPECT_LT(took, 10500u);
        }
    }
}

// Leaving program mode and saving end before their frame without a tone, in program mode.
TEST_F(ProgramModeTest, NormalModeAndSavingWithoutInterfaceOrBaudRateKeepProgramModeControls) {
    for (const char* button : {"Button39", "btn15"}) {
        for (const test::LinkFailure& c : test::LinkFailures()) {
            SCOPED_TRACE(testing::Message() << button << ", " << c.name);
            test::ConfigBench bench;
            bench.EnterProgramMode();
            bench.pane.SetText("", kBase);
            c.arrange(bench);

            ASSERT_TRUE(bench.Click(button));

            EXPECT_EQ(bench.pane.Lines(), c.lines);
            EXPECT_TRUE(bench.InProgramModeControls());
            EXPECT_TRUE(bench.tone.played().empty());
        }
    }
}

}  // namespace
}  // namespace ksm
