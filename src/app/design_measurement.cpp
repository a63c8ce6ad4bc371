// The measurement page (shown at start) and the error logger page.
#include "app/design_parts.h"

namespace ksm::design {
namespace {
using namespace colours;

// clang-format off
constexpr ControlDesign kMeasurementTab[] = {
    Control(K::kGrid, "StringGrid3", "TabSheet1", {4, 12, 123, 293}).On(kMenu).Ink(kBlack).Px(11),
    Control(K::kImage, "Image1", "TabSheet1", {139, 2, 177, 311}),
    Label("Label4", "TabSheet1", 4, 330, "ADRES MODUŁU TORVIK KSM").Ink(kMaroon).Bold().Px(12),
    DarkCombo("ComboBox2", "TabSheet1", {190, 326, 75, 21}),

    Control(K::kGroupBox, "GroupBox1", "TabSheet1", {336, 8, 329, 69},
            " Pomiary Jednokrotne Temperatury DALLAS  "),
    Button("btn7", "GroupBox1", {16, 24, 297, 31}, "Wykonaj Odczyt Temperatur").Px(16),

    Control(K::kGroupBox, "GroupBox3", "TabSheet1", {336, 72, 329, 84}, " Pomiary RH i T SENSIRION "),
    Label("Label8", "GroupBox3", 16, 16, "Temperatura SHTxx:  -- 'C"),
    Label("Label9", "GroupBox3", 16, 30, "RH(linear): -- %"),
    Label("Label10", "GroupBox3", 160, 30, "RH(compensated): -- %"),
    Button("BitBtn3", "GroupBox3", {16, 45, 297, 31}, "Wykonaj Odczyt RH i T").Px(16),

    Panel("Panel7", "TabSheet1", {336, 155, 329, 86}).Edge(Bevel::kEtched),
    Label("Label7", "Panel7", 16, 5, "Napięcie systemowe:  --.-- V"),
    Label("Label6", "Panel7", 16, 19, "Napięcie zasilania:  --.-- V"),
    Label("Label12", "Panel7", 16, 33, "Natężenie prądu sondy:  -.--- A"),
    Button("Button8", "Panel7", {16, 50, 297, 28}, "Wykonaj Pomiar Zasilania").Px(16),

    Control(K::kGroupBox, "grp2", "TabSheet1", {336, 244, 329, 66}, " Pomiary Cykliczne "),
    Control(K::kRadioButton, "T", "grp2", {22, 14, 45, 17}, "T").Checked(),
    Control(K::kRadioButton, "RH", "grp2", {73, 14, 45, 17}, "RH"),
    // A size smaller than the window's, so that the caption ends before the box beside it.
    Label("Label13", "grp2", 135, 13, "Interwał Pomiarowy [s]:").Px(10),
    DarkCombo("ComboBox4", "grp2", {248, 10, 63, 21}),
    Button("btn5", "grp2", {13, 32, 152, 25}, "Start").Px(16),
    Button("btn6", "grp2", {165, 32, 152, 25}, "Stop").Px(16).Off(),

    Control(K::kGroupBox, "GroupBox2", "TabSheet1", {336, 306, 329, 53}, " Diagnostyka "),
    Button("BitBtn1", "GroupBox2", {15, 16, 151, 24}, "Sprawdz Liczniki ").Bold(),
    Button("BitBtn2", "GroupBox2", {167, 16, 145, 24}, "Zeruj Liczniki").Bold(),
};

constexpr ControlDesign kLoggerTab[] = {
    Control(K::kMemo, "Memo2", "ts4", {3, 2, 669, 327})
        .On(kBlack).Ink(kOlive).Px(9).Scroll(ScrollBars::kVertical),
    Label("Label18", "ts4", 10, 339, "Cykle Pomiarowe: 0"),
    Button("Button6", "ts4", {472, 335, 200, 22}, "Wyczysc MEMO"),
};
// clang-format on
}  // namespace

std::span<const ControlDesign> MeasurementTab() { return kMeasurementTab; }
std::span<const ControlDesign> LoggerTab() { return kLoggerTab; }

}  // namespace ksm::design
