#include "app/window_design.h"

#include <vector>

#include "app/design_parts.h"

namespace ksm {
namespace {
using namespace colours;
using design::K;

// clang-format off
constexpr GridDesign kMainGrids[] = {
    // name           cols rows fixed r/c  row h  column widths                 lines  whole row
    {"StringGrid1",   3,   11,  1, 0,      15,    {182, 150, 346},              false, true},
    {"StringGrid2",   5,   17,  1, 1,      16,    {64, 148, 44, 41, 85},        true,  false},
    {"StringGrid3",   2,   17,  1, 1,      16,    {48, 70},                     true,  false},
};

constexpr GridDesign kApcGrids[] = {
    {"StringGrid4",   9,   17,  1, 1,      16,    {64, 114, 27, 28, 37, 118, 29, 29, 33}, true, false},
};

constexpr TimerDesign kMainTimers[] = {
    {"Timer1", 60000},  // cyclic measurement
    {"Timer3", 100},    // APC procedure
};

constexpr ControlDesign kApcWindow[] = {
    Control(K::kWindow, "Form2", "", {0, 0, 395, 322}, " Konfiguracja APC").Family("MS Sans Serif").Px(11),
    Control(K::kGrid, "StringGrid4", "Form2", {0, 0, 395, 297})
        .On(kWhite).Ink(kBlack).Family("MS Sans Serif").Px(9).Reach(Focus::kClick),
    // The message field, one line under the grid.
    Control(K::kMemo, "Memo1", "Form2", {0, 297, 394, 25}).On(kBlack).Ink(kLime).Bold(),
};
// clang-format on

std::vector<ControlDesign> JoinMainWindow() {
    std::vector<ControlDesign> all;
    for (auto part :
         {design::TopArea(), design::UsbTab(), design::FirmwareTab(), design::ConfigurationTab(),
          design::MeasurementTab(), design::LoggerTab(), design::DeveloperControls()}) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}
}  // namespace

std::span<const ControlDesign> MainWindowDesign() {
    static const std::vector<ControlDesign> kAll = JoinMainWindow();
    return kAll;
}

std::span<const GridDesign> MainWindowGrids() { return kMainGrids; }
std::span<const TimerDesign> MainWindowTimers() { return kMainTimers; }
std::span<const ControlDesign> ApcWindowDesign() { return kApcWindow; }
std::span<const GridDesign> ApcWindowGrids() { return kApcGrids; }

const ControlDesign* FindControlDesign(std::string_view window, std::string_view name) {
    auto controls = window == "Form2" ? ApcWindowDesign() : MainWindowDesign();
    for (const ControlDesign& c : controls) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

const GridDesign* FindGridDesign(std::string_view name) {
    for (auto grids : {MainWindowGrids(), ApcWindowGrids()}) {
        for (const GridDesign& g : grids) {
            if (g.name == name) return &g;
        }
    }
    return nullptr;
}

}  // namespace ksm
