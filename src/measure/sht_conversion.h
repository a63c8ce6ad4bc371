#pragma once

#include <cstdint>

namespace ksm {

// Words the module sends in place of an SHTxx value when its sensor bus fails.
namespace sht {
inline constexpr std::uint16_t kTemperatureAckError = 29010;
inline constexpr std::uint16_t kTemperatureCrcError = 29110;
inline constexpr std::uint16_t kHumidityAckError = 5420;
inline constexpr std::uint16_t kHumidityCrcError = 5472;
}  // namespace sht

// SHT1x values from the raw temperature (14 bits) and humidity (12 bits) words, with the
// sensor maker's coefficients for a 5 V supply: products in double precision, results in
// single precision. Nothing is clamped.
struct ShtValues {
    float temperature;
    float rh_linear;
    float rh_compensated;
};
ShtValues ConvertSht(std::uint16_t sot, std::uint16_t sorh);

// The error code a reply carries: a humidity error word wins over a temperature one; 0
// when neither word is an error word.
std::uint16_t ShtErrorCode(std::uint16_t sot, std::uint16_t sorh);

}  // namespace ksm
