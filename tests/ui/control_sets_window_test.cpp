// The control sets applied on the real widgets of the main window.
#include <gtest/gtest.h>

#include "link/control_sets.h"
#include "ui/main_window.h"
#include "ui/qt_window_seam.h"

namespace ksm::ui {
namespace {

enum S { off, on, keep };

struct Row {
    const char* control;
    S program_mode, normal_mode, busy;
};

// clang-format off
const Row kTable[] = {
    {"Button38", off, on, off},   {"Button39", on, off, off},   {"btn15", on, off, off},
    {"ComboBox6", on, off, off},  {"Button41", on, off, off},   {"ComboBox1", on, off, off},
    {"btn12", on, off, off},      {"ComboBox3", on, off, off},  {"btn11", on, off, off},
    {"Button13", on, off, off},   {"Button17", on, off, off},   {"Button0", on, off, off},
    {"Button11", on, off, off},   {"Button10", on, off, off},   {"Button37", keep, keep, off},
    {"btn3", off, on, off},       {"btn7", off, on, off},       {"Button8", off, on, off},
    {"btn5", keep, on, off},      {"btn6", off, off, off},      {"BitBtn1", keep, on, off},
    {"BitBtn2", keep, on, off},   {"BitBtn3", keep, on, off},   {"btn1", keep, on, off},
    {"ComboBox2", off, on, keep}, {"ComboBox4", off, on, keep},
};
// clang-format on

// Controls no set ever switches.
const char* const kUntouched[] = {"Button3", "ComboBox7", "ButtonA", "Button5", "Button6",
                                  "Button9", "btn13",     "Edit8",   "T",       "RH"};

struct ControlSetsOnWindow : ::testing::Test {
    MainWindow form{false};
    QtWindowSeam seam{&form, nullptr};

    // Every control of the table and the untouched ones alternately on and off (and the
    // other way round with `flip`), so that "left unchanged" is seen both ways.
    std::map<std::string, bool> Mix(bool flip) {
        std::map<std::string, bool> before;
        int i = 0;
        for (const Row& r : kTable) before[r.control] = (i++ % 2 == 0) != flip;
        for (const char* c : kUntouched) before[c] = (i++ % 2 == 0) != flip;
        for (auto& [name, state] : before) seam.SetEnabled(name, state);
        return before;
    }

    void Check(void (*set)(Window&), S Row::*column, const char* also_on = nullptr,
               const char* also_off = nullptr) {
        for (bool flip : {false, true}) {
            auto before = Mix(flip);
            set(seam);
            for (const Row& r : kTable) {
                S s = r.*column;
                bool want = s == keep ? before[r.control] : s == on;
                if (also_on && std::string(r.control) == also_on) want = true;
                if (also_off && std::string(r.control) == also_off) want = false;
                QWidget* w = form.findChild<QWidget*>(r.control);
                ASSERT_NE(w, nullptr) << r.control;
                EXPECT_EQ(w->isEnabled(), want) << r.control << (flip ? " (flipped)" : "");
            }
            for (const char* c : kUntouched) EXPECT_EQ(seam.IsEnabled(c), before[c]) << c;
        }
    }
};

TEST_F(ControlSetsOnWindow, ProgramMode) { Check(ProgramModeControls, &Row::program_mode); }
TEST_F(ControlSetsOnWindow, NormalMode) { Check(NormalModeControls, &Row::normal_mode); }
TEST_F(ControlSetsOnWindow, BusyLeavesTheAddressAndIntervalBoxesEnabled) {
    Check(BusyControls, &Row::busy);
    seam.SetEnabled("ComboBox2", true);
    seam.SetEnabled("ComboBox4", true);
    BusyControls(seam);
    EXPECT_TRUE(seam.IsEnabled("ComboBox2"));
    EXPECT_TRUE(seam.IsEnabled("ComboBox4"));
}
TEST_F(ControlSetsOnWindow, CyclicRunningIsBusyWithStop) {
    Check(CyclicRunningControls, &Row::busy, "btn6");
}
TEST_F(ControlSetsOnWindow, CyclicStoppedIsNormalWithoutStop) {
    Check(CyclicStoppedControls, &Row::normal_mode, nullptr, "btn6");
}
TEST_F(ControlSetsOnWindow, StartIsTheDesignedState) {
    // The state the window is built with is the start state: applying it changes nothing.
    std::map<std::string, bool> built;
    for (const Row& r : kTable) built[r.control] = seam.IsEnabled(r.control);
    StartControls(seam);
    for (const Row& r : kTable) EXPECT_EQ(seam.IsEnabled(r.control), built[r.control]) << r.control;
    Check(StartControls, &Row::normal_mode, nullptr, "Button37");
}

}  // namespace
}  // namespace ksm::ui
