#include "measure/raw_to_celsius.h"

namespace ksm {

float RawToCelsius(std::uint8_t high, std::uint8_t low) {
    const int raw = high * 256 + low;
    if ((high & 0xF0) == 0xF0) return -static_cast<float>(65536 - raw) / 16.0f;
    return static_cast<float>(raw) / 16.0f;
}

}  // namespace ksm
