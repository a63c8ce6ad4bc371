#pragma once

#include <array>
#include <cstdint>

#include "sim/module_state.h"
#include "sim/service_commands.h"

namespace ksm::sim {

// The module's EEPROM as its service commands read it: the configuration (address,
// interval, addressing type, work type), the firmware version, two unused bytes, the serial
// table (16 sensor addresses of 8 bytes and its trailing byte); unwritten cells read 0xFF.
inline constexpr std::size_t kEepromSize = 256;
inline constexpr std::size_t kEepromSerialTable = 8;
inline constexpr std::size_t kSerialTableSize = catalogue::kLevelCount * 8 + 1;
using EepromImage = std::array<std::uint8_t, kEepromSize>;
EepromImage Eeprom(const ModuleState& state);

// The serial table alone, as the sensor memory holds it.
std::array<std::uint8_t, kSerialTableSize> SerialTable(const ModuleState& state);

// The developer commands that read memory (30 01, 30 02, 30 03, A0 00) and the APC poll
// 90 11 of a module on which no APC procedure runs.
void InstallMemoryCommands(ServiceCommands& commands);

}  // namespace ksm::sim
