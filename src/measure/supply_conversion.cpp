#include "measure/supply_conversion.h"

namespace ksm {

SupplyValues ConvertSupply(std::uint16_t supply_raw, std::uint16_t system_raw,
                           std::uint16_t current_raw) {
    SupplyValues values;
    values.system_voltage = static_cast<float>(system_raw * 1.06 / 1024 * 5.16);
    values.supply_voltage =
        static_cast<float>(supply_raw * double{values.system_voltage} / 1024 * 5.16);
    values.probe_current = static_cast<float>(current_raw * 1.1 / 1024 / 2.7);
    return values;
}

}  // namespace ksm
