#include "app/window_model.h"

#include <array>

#include "app/window_design.h"

namespace ksm {
namespace {

constexpr NumberList kNumberLists[] = {
    {"ComboBox1", 0, 247, -1},  // address to write into the module
    {"ComboBox2", 0, 247, 1},   // address of the module to measure
    {"ComboBox3", 1, 255, -1},  // measuring interval [s]
    {"ComboBox4", 1, 255, 3},   // cyclic measurement interval [s]
};

struct GridHeaders {
    std::string_view grid;
    std::array<std::string_view, 9> headers;
    bool has_levels;
    std::string_view level_prefix;  // written before each level number in column 0
};

const GridHeaders kMainHeaders[] = {
    {"StringGrid1", {" Nazwa Urzadzenia", " Wersja Hardwarowa", " Stan"}, false, ""},
    {"StringGrid2", {"Poziom", " Adres Sensora ", "T.HI", "T.LO", "T['C]"}, true, ""},
    {"StringGrid3", {"Poziom", "Temperatura"}, true, "    "},
};

const GridHeaders kApcHeaders = {
    ApcGrid,
    {"Poziom", " Znalezione", "T.HI", "T.LO", "T['C]", " Posegregowane", "T.HI", "T.LO", "T['C]"},
    true,
    ""};

constexpr int kLevels = 16;

void WriteHeaderRow(Window& window, const GridHeaders& grid) {
    std::size_t point = grid.grid.find('.');
    std::string_view name =
        point == std::string_view::npos ? grid.grid : grid.grid.substr(point + 1);
    const GridDesign* design = FindGridDesign(name);
    for (int column = 0; design && column < design->columns; ++column) {
        window.SetCell(grid.grid, column, 0, grid.headers[static_cast<std::size_t>(column)]);
    }
}

void WriteLevels(Window& window, const GridHeaders& grid) {
    if (!grid.has_levels) return;
    for (int level = 1; level <= kLevels; ++level) {
        window.SetCell(grid.grid, 0, level, std::string(grid.level_prefix) + std::to_string(level));
    }
}

const std::vector<std::string>& DesignItems(std::string_view combo) {
    static const std::vector<std::string> kNone;
    for (const FixedList& list : MainWindowFixedLists()) {
        if (list.combo == combo) return list.items;
    }
    return kNone;
}

void ApplyDesign(Window& window, std::span<const ControlDesign> controls, std::string_view prefix) {
    for (const ControlDesign& c : controls) {
        std::string name = std::string(prefix) + std::string(c.name);
        if (c.kind == ControlKind::kWindow) {
            window.SetText(c.name, c.caption);
            continue;
        }
        // Every list is known, if only to be empty.
        if (c.kind == ControlKind::kComboBox) window.SetItems(name, DesignItems(c.name));
        if (!c.caption.empty()) window.SetText(name, c.caption);
        window.SetEnabled(name, c.enabled);
        if (!c.visible) window.SetVisible(name, false);
        if (c.checked) window.SetChecked(name, true);
        if (c.kind == ControlKind::kPanel && c.background) window.SetColour(name, *c.background);
    }
}
}  // namespace

std::span<const NumberList> MainWindowNumberLists() { return kNumberLists; }

std::string NumberItem(int number) { return "      " + std::to_string(number); }

const std::vector<FixedList>& MainWindowFixedLists() {
    static const std::vector<FixedList> kLists = {
        {"ComboBox6", {"Hardware Adres OFF", "Hardware Adres ON"}},
        {"ComboBox7", {"1Wire + SHTxx", "Tylko 1Wire", "", ""}},
    };
    return kLists;
}

void ApplyMainWindowDesign(Window& window) {
    ApplyDesign(window, MainWindowDesign(), "");
    for (const TimerDesign& timer : MainWindowTimers()) {
        window.SetTimerEnabled(timer.name, false);
        window.SetTimerInterval(timer.name, timer.interval_ms);
    }
}

void ApplyApcWindowDesign(Window& window) {
    ApplyDesign(window, ApcWindowDesign(), std::string(ApcWindowName) + ".");
}

void InitialiseMainWindow(Window& window, Console& console) {
    window.SetText("Form1", "");
    window.SetText("Form1",
                   window.Text("Form1") + " TORVIK KSM Tool v" + std::string(ToolVersionText));
    window.SetText("Form1",
                   window.Text("Form1") + " - firmware v" + std::string(FirmwareVersionText));
    window.SetText("Label14", window.Text("Label14") + std::string(FirmwareVersionText));
    window.MemoClear("Memo2");
    console.ConsoleClear();
    for (const GridHeaders& grid : kMainHeaders) WriteHeaderRow(window, grid);
    for (const GridHeaders& grid : kMainHeaders) WriteLevels(window, grid);
    for (const NumberList& list : kNumberLists) {
        std::vector<std::string> items;
        for (int n = list.first; n <= list.last; ++n) items.push_back(NumberItem(n));
        window.SetItems(list.combo, items);
        if (list.initial_index >= 0) window.SetItemIndex(list.combo, list.initial_index);
    }
}

void InitialiseApcWindow(Window& window) {
    window.SetText(ApcMessageField, "");
    WriteHeaderRow(window, kApcHeaders);
    WriteLevels(window, kApcHeaders);
}

void PrepareWindows(Window& window, Console& console) {
    ApplyMainWindowDesign(window);
    InitialiseMainWindow(window, console);
    ApplyApcWindowDesign(window);
    InitialiseApcWindow(window);
}

}  // namespace ksm
