// The firmware page: the update button with its notices, and three panels the window carries
// hidden for the life of the window.
#include "app/design_parts.h"

namespace ksm::design {
namespace {
using namespace colours;

// clang-format off
constexpr ControlDesign kFirmwareTab[] = {
    Control(K::kGroupBox, "grp8", "ts2", {8, 16, 665, 337}, " Modul Aktualizacji Oprogramowania "),
    Label("Label14", "grp8", 55, 35,
          "Poniższa funkcja umożliwia wymianę oprogramowania urządzenia TORVIK KSM do wersji ")
        .Bold().Px(9),
    Panel("pnl5", "grp8", {9, 64, 639, 112}).Edge(Bevel::kLowered),
    Label("NoticeLine1", "pnl5", 8, 8,
          "- Proces aktualizacji wymaga połączenia konwertera TORVIK USB, lub ZRD w wersji min 1.3")
        .Px(9).Ink(kBlue),
    Label("NoticeLine2", "pnl5", 8, 24,
          "- Interfejs RS485 musi byc zwolniony, sterownik master -  odlączony.").Px(9).Ink(kBlue),
    Label("NoticeLine3", "pnl5", 8, 40,
          "- Aktualną wersję firmwaru urządzenia możesz sprawdzić w zakładce Konfiguracja Modułu "
          "w trybie Program Mode").Px(9).Ink(kBlue),
    Label("NoticeLine4", "pnl5", 8, 56,
          "- Zaleca się zamknięcie wszystkich pracujących w tle aplikacji").Px(9).Ink(kBlue),
    Label("NoticeLine5", "pnl5", 8, 72,
          "- Proces zapisu nowego firmwaru nie zmienia konfiguracji modułu, wszytkie ustawienia "
          "pozostają bez zmian").Px(9).Ink(kBlue),
    Label("NoticeLine6", "pnl5", 8, 88,
          "- Aktualizacja trwa kilka sekund i kończy się resetem modułu. Prosimy nie przerywać "
          "procesu zapisu ").Px(9).Ink(kRed),
    Panel("pnl4", "grp8", {9, 216, 640, 89}).On(kSteelBlue).Edge(Bevel::kLowered),
    Button("btn1", "pnl4", {16, 16, 609, 57}, "   Zaktualizuj Firmware Urządzenia").Px(19),

    // Never shown.
    Panel("Panel1", "ts2", {472, 208, 200, 103}).On(kRed).Hidden(),
    Label("SizeLabel", "Panel1", 8, 10, "Rozmiar [B] :"),
    Control(K::kEdit, "Edit2", "Panel1", {92, 6, 100, 21}).On(kBlack).Ink(kYellow),
    Label("PagesLabel", "Panel1", 8, 33, "Stron :"),
    Control(K::kEdit, "Edit3", "Panel1", {92, 29, 100, 21}).On(kBlack).Ink(kYellow),
    Label("WrittenLabel", "Panel1", 8, 56, "Zapisano:"),
    Control(K::kEdit, "Edit4", "Panel1", {92, 52, 100, 21}).On(kBlack).Ink(kYellow),
    Button("Button18", "Panel1", {8, 77, 184, 21}, "Wyjscie"),
    Panel("Panel2", "ts2", {471, 161, 201, 47}).On(kMaroon).Hidden(),
    Button("Button20", "Panel2", {8, 10, 185, 27}, "RST FTDI").Bold(),
    Panel("Panel3", "ts2", {471, 43, 201, 118}).On(kTeal).Hidden(),
    Button("ReceiveDataButton", "Panel3", {8, 8, 185, 30}, "Odbierz Dane"),
    Button("SetupPrintButton", "Panel3", {8, 43, 185, 30}, "Setup&&Print"),
    Button("Button19", "Panel3", {8, 78, 185, 30}, "Clear Memo"),
};
// clang-format on
}  // namespace

std::span<const ControlDesign> FirmwareTab() { return kFirmwareTab; }

}  // namespace ksm::design
