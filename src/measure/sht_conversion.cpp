#include "measure/sht_conversion.h"

namespace ksm {

ShtValues ConvertSht(std::uint16_t sot, std::uint16_t sorh) {
    constexpr double d1 = -40.1, d2 = 0.01;
    constexpr double c1 = -2.0468, c2 = 0.0367, c3 = -1.5955e-6;
    constexpr double t1 = 0.01, t2 = 0.00008;
    ShtValues values;
    values.temperature = static_cast<float>(d2 * sot + d1);
    const double humidity = sorh;
    values.rh_linear = static_cast<float>(c2 * humidity + c1 + c3 * (humidity * humidity));
    values.rh_compensated =
        static_cast<float>((t1 + t2 * humidity) * (values.temperature - 25.0) + values.rh_linear);
    return values;
}

std::uint16_t ShtErrorCode(std::uint16_t sot, std::uint16_t sorh) {
    std::uint16_t code = 0;
    if (sot == sht::kTemperatureCrcError || sot == sht::kTemperatureAckError) code = sot;
    if (sorh == sht::kHumidityCrcError || sorh == sht::kHumidityAckError) code = sorh;
    return code;
}

}  // namespace ksm
