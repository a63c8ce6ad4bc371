#pragma once

#include <cstdint>
#include <span>

namespace ksm {

// The Dallas/Maxim 1-Wire CRC-8 (x^8 + x^5 + x^4 + 1, bit-reflected, start 0), by table.
// Over a whole ROM code, its CRC byte included, it gives 0.
std::uint8_t OneWireCrc8(std::span<const std::uint8_t> data);

}  // namespace ksm
