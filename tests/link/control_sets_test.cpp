#include "link/control_sets.h"

#include <gtest/gtest.h>

#include "sim/memory_window.h"
#include "sim/virtual_clock.h"

namespace ksm {
namespace {

// Every control of the sets, plus controls the sets never touch.
const char* const kControls[] = {
    "Button38", "Button39", "btn15",   "ComboBox6", "Button41", "ComboBox1", "btn12",
    "ComboBox3", "btn11",   "Button13", "Button17", "Button0",  "Button11",  "Button10",
    "Button37", "btn3",     "btn7",     "Button8",  "btn5",     "btn6",      "BitBtn1",
    "BitBtn2",  "BitBtn3",  "btn1",     "ComboBox2", "ComboBox4",
    "Button3",  "ComboBox7", "ButtonA", "Button5",  "Button6",  "Button9"};

enum Expect { kOff, kOn, kAsBefore };

struct ControlSetsTest : ::testing::Test {
    sim::VirtualClock clock;
    sim::MemoryWindow window{clock};

    // Applies a set to a window where every control starts `before`, and checks each control.
    void Check(void (*set)(Window&), bool before, const std::map<std::string, Expect>& expected) {
        for (const char* c : kControls) window.SetEnabled(c, before);
        set(window);
        for (const char* c : kControls) {
            auto it = expected.find(c);
            Expect e = it == expected.end() ? kAsBefore : it->second;
            bool want = e == kAsBefore ? before : e == kOn;
            EXPECT_EQ(window.IsEnabled(c), want) << c << " (all controls " << (before ? "on" : "off") << " before)";
        }
    }
};

const std::map<std::string, Expect> kProgramMode = {
    {"Button38", kOff}, {"Button39", kOn},  {"btn15", kOn},   {"ComboBox6", kOn}, {"Button41", kOn},
    {"ComboBox1", kOn}, {"btn12", kOn},     {"ComboBox3", kOn}, {"btn11", kOn},   {"Button13", kOn},
    {"Button17", kOn},  {"Button0", kOn},   {"Button11", kOn}, {"Button10", kOn}, {"btn3", kOff},
    {"btn7", kOff},     {"Button8", kOff},  {"btn6", kOff},   {"ComboBox2", kOff}, {"ComboBox4", kOff}};

std::map<std::string, Expect> Inverse(const std::map<std::string, Expect>& set) {
    std::map<std::string, Expect> inverse;
    for (auto [name, e] : set) inverse[name] = e == kOn ? kOff : kOn;
    return inverse;
}

TEST_F(ControlSetsTest, ProgramModeLeavesTheMeasurementButtonsItDoesNotList) {
    for (bool before : {false, true}) Check(ProgramModeControls, before, kProgramMode);
}

TEST_F(ControlSetsTest, NormalMode) {
    auto normal = Inverse(kProgramMode);
    normal["btn6"] = kOff;
    for (const char* c : {"btn5", "BitBtn1", "BitBtn2", "BitBtn3", "btn1"}) normal[c] = kOn;
    for (bool before : {false, true}) Check(NormalModeControls, before, normal);
}

TEST_F(ControlSetsTest, BusyLeavesTheAddressAndIntervalBoxesEnabled) {
    std::map<std::string, Expect> busy;
    for (const char* c : kControls) busy[c] = kOff;
    for (const char* c : {"ComboBox2", "ComboBox4", "Button3", "ComboBox7", "ButtonA", "Button5", "Button6", "Button9"})
        busy.erase(c);
    for (bool before : {false, true}) Check(BusyControls, before, busy);
}

TEST_F(ControlSetsTest, CyclicSetsSwitchStop) {
    CyclicRunningControls(window);
    EXPECT_TRUE(window.IsEnabled("btn6"));
    EXPECT_FALSE(window.IsEnabled("btn5"));
    CyclicStoppedControls(window);
    EXPECT_FALSE(window.IsEnabled("btn6"));
    EXPECT_TRUE(window.IsEnabled("btn5"));
}

TEST_F(ControlSetsTest, StartIsNormalModeWithTheApcExitOff) {
    window.SetEnabled("Button37", true);
    StartControls(window);
    EXPECT_FALSE(window.IsEnabled("Button37"));
    EXPECT_TRUE(window.IsEnabled("Button38"));
    EXPECT_FALSE(window.IsEnabled("Button39"));
}

}  // namespace
}  // namespace ksm
