// The developer controls: children of the main window placed beyond the right edge of its
// fixed client area, so the window carries them but never shows them. The keyboard never
// reaches them either: a user tabbing through the window must not land on an unseen button.
#include "app/design_parts.h"

namespace ksm::design {
namespace {

constexpr ControlDesign Dev(ControlDesign c) { return c.Reach(Focus::kNone); }

// clang-format off
constexpr ControlDesign kDeveloperControls[] = {
    Dev(Control(K::kEdit, "Edit8", "Form1", {696, 8, 54, 21}, "Edit8")),
    Dev(Button("Button21", "Form1", {696, 32, 54, 20}, "Zamnien")),
    Dev(Control(K::kEdit, "Edit9", "Form1", {698, 56, 52, 21}, "Edit9")),
    Dev(Button("btn4", "Form1", {878, 5, 104, 18}, "Zeruj Liczniki")),
    Dev(Control(K::kMemo, "Memo1", "Form1", {886, 27, 103, 25}, "Memo1")),
    Dev(Control(K::kComboBox, "ComboBox5", "Form1", {888, 80, 137, 21}, "ComboBox5")),
    Dev(Label("Label19", "Form1", 704, 141, "...")),
    Dev(Label("Label20", "Form1", 704, 157, "...")),
    Dev(Label("Label21", "Form1", 704, 173, "...")),
    Dev(Label("Label22", "Form1", 704, 189, "...")),
    Dev(Label("Label23", "Form1", 704, 204, "...")),
    Dev(Label("Label17", "Form1", 705, 224, "...")),
    Dev(Button("Button36", "Form1", {904, 152, 113, 25}, "Read_APC")),
    Dev(Button("Button12", "Form1", {904, 200, 153, 25}, "test zamiany 1W na temp")),
    Dev(Button("Button7", "Form1", {696, 264, 105, 33}, "Czytaj EE 0-63")),
    Dev(Button("Button14", "Form1", {696, 304, 105, 33}, "Button14")),
    Dev(Button("Button9", "Form1", {696, 368, 161, 25}, "Test Komenda")),
    Dev(Button("btn8", "Form1", {697, 396, 80, 26}, "CRC16")),
    Dev(Button("btn2", "Form1", {776, 396, 81, 26}, "CRC8")),
    Dev(Button("btn9", "Form1", {696, 422, 161, 26}, "Test 4B")),
    Dev(Button("btn10", "Form1", {872, 422, 121, 25}, "READ_EEPROM")),
    Dev(Button("Button4", "Form1", {696, 448, 161, 25}, "Segregator_Pobierz Seriale")),
    Dev(Button("btn14", "Form1", {872, 448, 121, 25}, "SPI Read")),
};
// clang-format on
}  // namespace

std::span<const ControlDesign> DeveloperControls() { return kDeveloperControls; }

}  // namespace ksm::design
