// The main window itself, the console and progress bar across the top, the page control
// with its five pages, and the pass-through switch lying over the row of tabs.
#include "app/design_parts.h"

namespace ksm::design {
namespace {
using namespace colours;

// clang-format off
constexpr ControlDesign kTopArea[] = {
    Control(K::kWindow, "Form1", "", {0, 0, 689, 586}, "Form1").Family("MS Sans Serif").Px(11),
    Control(K::kRichEdit, "RichEdit1", "Form1", {1, 0, 688, 184})
        .On(kBlack).Ink(kAqua).Family("Courier New").Px(12).Scroll(ScrollBars::kVertical),
    Control(K::kProgressBar, "ProgressBar1", "Form1", {-1, 184, 690, 10}),
    // The font of the page control is the font of its tabs.
    Control(K::kPageControl, "pgcTabSheet", "Form1", {0, 195, 689, 392}).Px(9),
    Control(K::kTabSheet, "ts1", "pgcTabSheet", {}, "Interface USB"),
    Control(K::kTabSheet, "ts2", "pgcTabSheet", {}, "Update Firmware'u"),
    Control(K::kTabSheet, "ts3", "pgcTabSheet", {}, "Konfiguracja Modułu"),
    Control(K::kTabSheet, "TabSheet1", "pgcTabSheet", {}, "Pomiary - Diagnostyka"),
    Control(K::kTabSheet, "ts4", "pgcTabSheet", {}, "Logger Błędów"),
    // Both buttons share one place; ButtonA lies on top.
    Button("Button5", "Form1", {500, 197, 167, 15}, "Wyłącz tryb USB <-> RS485").Px(9).Off(),
    Button("ButtonA", "Form1", {496, 197, 175, 17}, "Włącz ZRD/WLP USB <-> RS485").Px(9).Off(),
    Panel("pnl6", "Form1", {673, 198, 15, 14}).On(kSilver).Edge(Bevel::kLowered),
};

constexpr ControlDesign kUsbTab[] = {
    Control(K::kGrid, "StringGrid1", "ts1", {1, 1, 680, 320})
        .On(kBlack).Ink(kYellow).Px(11).Scroll(ScrollBars::kHorizontal),
    Button("Button3", "ts1", {3, 328, 672, 33}, "Znajdź Urządzenia").Bold(),
};
// clang-format on
}  // namespace

std::span<const ControlDesign> TopArea() { return kTopArea; }
std::span<const ControlDesign> UsbTab() { return kUsbTab; }

}  // namespace ksm::design
