#pragma once

#include <cstdint>

namespace ksm {

// A DS18B20 word (1/16 degree per unit, high byte first) in degrees Celsius. A high byte
// from 0xF0 up is negative; words 0x8000 to 0xEFFF read as large positive values, as the
// module sends them. Every result is exact in single precision.
float RawToCelsius(std::uint8_t high, std::uint8_t low);

}  // namespace ksm
