#pragma once

#include <cstdint>

namespace ksm {

// The module's system voltage, its supply voltage and the probe current, from the raw
// register values of one reply. The supply voltage is scaled by the system voltage of the
// same reply (single precision, as shown).
struct SupplyValues {
    float system_voltage;
    float supply_voltage;
    float probe_current;
};
SupplyValues ConvertSupply(std::uint16_t supply_raw, std::uint16_t system_raw,
                           std::uint16_t current_raw);

}  // namespace ksm
