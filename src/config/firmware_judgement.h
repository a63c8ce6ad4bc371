#pragma once

#include <cstdint>

#include "link/console.h"

namespace ksm {

// The oldest firmware the tool works with fully (the version of the image it carries).
inline constexpr std::uint16_t MinimumFirmwareVersion = 0x0041;

// Writes what the tool thinks of a module's firmware: the family named by the high half of
// the major byte (its low half must be 0), then a warning when the minor byte is older than
// the minimum.
void JudgeFirmware(Console& console, std::uint8_t major, std::uint8_t minor);

}  // namespace ksm
