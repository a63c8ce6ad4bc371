// The module configuration page: the configuration grid and the module commands in coloured
// panels.
#include "app/design_parts.h"

namespace ksm::design {
namespace {
using namespace colours;

// clang-format off
constexpr ControlDesign kConfigurationTab[] = {
    Control(K::kGrid, "StringGrid2", "ts3", {2, 4, 391, 293})
        .On(kWhite).Ink(kBlack).Px(9).Scroll(ScrollBars::kHorizontal).Reach(Focus::kClick),
    Panel("pnl3", "ts3", {395, 4, 285, 32}).On(kSkyBlue),
    Button("Button11", "pnl3", {8, 6, 274, 21}, "POSEGREGUJ SENSORY AUTOMATYCZNIE").Bold().Off(),
    Panel("Panel5", "ts3", {395, 36, 285, 56}).On(kSkyBlue),
    Button("Button10", "Panel5", {7, 8, 274, 21}, "URUCHOM FUNCJĘ APC").Off(),
    Button("Button37", "Panel5", {7, 29, 274, 21}, "Wyjdź z funkcji APC").Off(),
    Panel("AddressingPanel", "ts3", {395, 92, 285, 77}).On(kGreen),
    DarkCombo("ComboBox6", "AddressingPanel", {5, 6, 130, 21}).Off(),
    Button("Button41", "AddressingPanel", {139, 7, 141, 21}, "Zapisz typ adresowania").Off(),
    DarkCombo("ComboBox1", "AddressingPanel", {5, 29, 130, 21}).Off(),
    Button("btn12", "AddressingPanel", {139, 28, 141, 21}, "Zapisz Adres").Off(),
    DarkCombo("ComboBox3", "AddressingPanel", {5, 50, 130, 21}).Off(),
    Button("btn11", "AddressingPanel", {139, 50, 141, 21}, "Zapisz Interwał").Off(),
    Panel("Panel6", "ts3", {397, 173, 281, 32}).On(kRed),
    Combo("ComboBox7", "Panel6", {4, 6, 130, 21}),
    Button("Button13", "Panel6", {137, 6, 141, 21}, "Zapisz typ pracy modulu").Off(),
    Panel("pnl2", "ts3", {395, 210, 285, 52}).On(kTeal),
    Button("Button17", "pnl2", {6, 6, 274, 21}, "Czytaj Wersję Firmware'u").Off(),
    Button("Button0", "pnl2", {6, 27, 274, 21}, "Reset Modulu").Bold().Off(),
    Panel("Panel4", "ts3", {395, 261, 285, 77}).On(kMaroon),
    Button("Button38", "Panel4", {6, 8, 274, 21}, "PROGRAM MODE").Bold(),
    Button("Button39", "Panel4", {6, 29, 274, 21}, "NORMAL MODE").Off(),
    Button("btn15", "Panel4", {6, 50, 274, 21}, "ZAPISZ KONFIGURACJĘ").Bold().Off(),
    Panel("pnl1", "ts3", {1, 299, 391, 63}).On(kSteelBlue),
    Button("btn3", "pnl1", {9, 9, 376, 49}, "Wykonaj Odczyt Temperatur").Px(16),
    // Never enabled.
    Button("btn13", "ts3", {401, 340, 274, 21}, "RST via FTDI").Px(16).Off(),
};
// clang-format on
}  // namespace

std::span<const ControlDesign> ConfigurationTab() { return kConfigurationTab; }

}  // namespace ksm::design
