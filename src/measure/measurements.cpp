#include "measure/measurements.h"

#include "link/control_sets.h"
#include "measure/module_address.h"

namespace ksm {

StatusCode Measurements::RunFromButton(
    const std::function<StatusCode(std::uint8_t address)>& reading) {
    Window& window = link_.window();
    const std::uint8_t address = SelectedModuleAddress(window);
    BusyControls(window);
    StatusCode code = reading(address);
    NormalModeControls(window);
    return code;
}

void Measurements::Button8Click() {
    RunFromButton([this](std::uint8_t address) { return ReadSupplyVoltages(address); });
}

void Measurements::BitBtn3Click() {
    RunFromButton([this](std::uint8_t address) { return ReadShtValues(address); });
}

}  // namespace ksm
