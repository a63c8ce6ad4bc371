#include "link/control_sets.h"

#include <array>
#include <string_view>

namespace ksm {
namespace {

enum class State { kOff, kOn, kKeep };
constexpr State off = State::kOff, on = State::kOn, keep = State::kKeep;

struct Row {
    std::string_view control;
    State program_mode, normal_mode, busy;
};

// clang-format off
constexpr std::array<Row, 26> kControlSets = {{
    // control       ProgramMode  NormalMode  Busy
    {"Button38",     off,         on,         off},   // PROGRAM MODE
    {"Button39",     on,          off,        off},   // NORMAL MODE
    {"btn15",        on,          off,        off},   // ZAPISZ KONFIGURACJĘ
    {"ComboBox6",    on,          off,        off},   // addressing type
    {"Button41",     on,          off,        off},   // Zapisz typ adresowania
    {"ComboBox1",    on,          off,        off},   // address
    {"btn12",        on,          off,        off},   // Zapisz Adres
    {"ComboBox3",    on,          off,        off},   // interval
    {"btn11",        on,          off,        off},   // Zapisz Interwał
    {"Button13",     on,          off,        off},   // Zapisz typ pracy modulu
    {"Button17",     on,          off,        off},   // Czytaj Wersję Firmware'u
    {"Button0",      on,          off,        off},   // Reset Modulu
    {"Button11",     on,          off,        off},   // POSEGREGUJ SENSORY AUTOMATYCZNIE
    {"Button10",     on,          off,        off},   // URUCHOM FUNCJĘ APC
    {"Button37",     keep,        keep,       off},   // Wyjdź z funkcji APC
    {"btn3",         off,         on,         off},   // Wykonaj Odczyt Temperatur (tab 3)
    {"btn7",         off,         on,         off},   // Wykonaj Odczyt Temperatur (tab 4)
    {"Button8",      off,         on,         off},   // Wykonaj Pomiar Zasilania
    {"btn5",         keep,        on,         off},   // Start
    {"btn6",         off,         off,        off},   // Stop
    {"BitBtn1",      keep,        on,         off},   // Sprawdz Liczniki
    {"BitBtn2",      keep,        on,         off},   // Zeruj Liczniki
    {"BitBtn3",      keep,        on,         off},   // Wykonaj Odczyt RH i T
    {"btn1",         keep,        on,         off},   // Zaktualizuj Firmware Urządzenia
    {"ComboBox2",    off,         on,         keep},  // module address (tab 4)
    {"ComboBox4",    off,         on,         keep},  // cyclic interval
}};
// clang-format on

void Apply(Window& window, State Row::*column) {
    for (const Row& row : kControlSets) {
        State state = row.*column;
        if (state != State::kKeep) window.SetEnabled(row.control, state == State::kOn);
    }
}

}  // namespace

void ProgramModeControls(Window& window) { Apply(window, &Row::program_mode); }

void NormalModeControls(Window& window) { Apply(window, &Row::normal_mode); }

void BusyControls(Window& window) { Apply(window, &Row::busy); }

void CyclicRunningControls(Window& window) {
    BusyControls(window);
    window.SetEnabled("btn6", true);
}

void CyclicStoppedControls(Window& window) {
    NormalModeControls(window);
    window.SetEnabled("btn6", false);
}

void StartControls(Window& window) {
    NormalModeControls(window);
    window.SetEnabled("Button37", false);
}

}  // namespace ksm
