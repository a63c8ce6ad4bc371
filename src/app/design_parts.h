#pragma once

// The sections of the window design, one file each; window_design.cpp joins them.
#include <span>

#include "app/window_design.h"

namespace ksm::design {

// Short forms for the tables.
using K = ControlKind;
inline constexpr ControlDesign Button(std::string_view name, std::string_view parent, Place place,
                                      std::string_view caption) {
    return Control(K::kButton, name, parent, place, caption);
}
inline constexpr ControlDesign Label(std::string_view name, std::string_view parent, int x, int y,
                                     std::string_view caption) {
    return Control(K::kLabel, name, parent, {x, y, 0, 0}, caption);
}
inline constexpr ControlDesign Panel(std::string_view name, std::string_view parent, Place place) {
    return Control(K::kPanel, name, parent, place);
}
inline constexpr ControlDesign Combo(std::string_view name, std::string_view parent, Place place) {
    return Control(K::kComboBox, name, parent, place);
}
// The combo boxes of the module settings: yellow on black.
inline constexpr ControlDesign DarkCombo(std::string_view name, std::string_view parent,
                                         Place place) {
    return Combo(name, parent, place).On(colours::kBlack).Ink(colours::kYellow);
}

inline constexpr Rgb kSteelBlue{0, 128, 192};
inline constexpr Rgb kSkyBlue{0, 128, 255};

std::span<const ControlDesign> TopArea();
std::span<const ControlDesign> UsbTab();
std::span<const ControlDesign> FirmwareTab();
std::span<const ControlDesign> ConfigurationTab();
std::span<const ControlDesign> MeasurementTab();
std::span<const ControlDesign> LoggerTab();
std::span<const ControlDesign> DeveloperControls();

}  // namespace ksm::design
