#include "measure/one_wire_crc.h"

#include <array>

namespace ksm {
namespace {

constexpr std::uint8_t kReflectedPolynomial = 0x8C;

constexpr std::array<std::uint8_t, 256> kCrc8Table = [] {
    std::array<std::uint8_t, 256> table{};
    for (int index = 0; index < 256; ++index) {
        std::uint8_t crc = static_cast<std::uint8_t>(index);
        for (int bit = 0; bit < 8; ++bit)
            crc =
                static_cast<std::uint8_t>((crc & 1) ? (crc >> 1) ^ kReflectedPolynomial : crc >> 1);
        table[index] = crc;
    }
    return table;
}();
static_assert(kCrc8Table[1] == 0x5E && kCrc8Table[255] == 0x35);

}  // namespace

std::uint8_t OneWireCrc8(std::span<const std::uint8_t> data) {
    std::uint8_t crc = 0;
    for (std::uint8_t byte : data) crc = kCrc8Table[byte ^ crc];
    return crc;
}

}  // namespace ksm
