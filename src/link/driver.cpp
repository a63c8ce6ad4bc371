#include "link/driver.h"

#include <array>

namespace ksm {

std::string_view DriverCallName(DriverCall call) {
    static constexpr std::array<std::string_view, kDriverCallCount> kNames = {
        "CountDevices", "Description", "SerialNumber", "Open",    "SetBaudRate",
        "SetDataCharacteristics", "SetFlowControl", "QueueStatus", "Read", "Write",
        "SetRts", "ClearRts", "SetDtr", "ClearDtr", "Close"};
    return kNames.at(static_cast<std::size_t>(call));
}

}  // namespace ksm
