#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "sim/module_state.h"

namespace ksm::sim {

// The module's Modbus RTU side in normal mode: pure functions from a request frame (CRC
// included) to the reply frame (CRC included); an empty reply means the module stays silent.

// The six letters that enter program mode, with a correct CRC.
bool IsProgramModeRequest(std::span<const std::uint8_t> frame);
// Address, two unused bytes, interval, addressing type, work type, CRC.
std::vector<std::uint8_t> ProgramModeReply(const ModuleState& state);

// Answers only frames with a correct CRC addressed to this module: register reads of the
// levels (3), SHTxx values (4) and supply channels (6, answered like a read), the counter
// commands (8); a standard exception for anything else it does not serve.
std::vector<std::uint8_t> ModbusReply(ModuleState& state, std::span<const std::uint8_t> frame);

}  // namespace ksm::sim
