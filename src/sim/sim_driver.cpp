#include "sim/sim_driver.h"

#include <cstring>

namespace ksm::sim {
namespace {
template <std::size_t N>
void CopyText(char (&field)[N], const std::string& text) {
    std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}
}  // namespace

Micros SimDriver::Now() { return bus_.clock().NowUs(); }

DriverStatus SimDriver::Enter(DriverCall call) {
    bus_.AdvanceTo(Now());
    return bus_.faults().Check(call);
}

SimDevice* SimDriver::OpenDevice(DriverHandle handle) {
    SimDevice* device = bus_.FindById(static_cast<std::uint32_t>(handle));
    return device && device->is_open() ? device : nullptr;
}

DriverStatus SimDriver::CountDevices(std::uint32_t& count) {
    if (DriverStatus s = Enter(DriverCall::kCountDevices)) return s;
    count = static_cast<std::uint32_t>(bus_.DeviceCount());
    return kDriverOk;
}

DriverStatus SimDriver::Description(std::uint32_t index, char (&text)[kDriverTextSize]) {
    if (DriverStatus s = Enter(DriverCall::kDescription)) return s;
    if (index >= bus_.DeviceCount()) return kDriverDeviceNotFound;
    SimDevice& device = bus_.Device(index);
    if (device.busy || device.is_open()) return kDriverDeviceNotOpened;
    CopyText(text, device.description);
    return kDriverOk;
}

DriverStatus SimDriver::SerialNumber(std::uint32_t index, char (&text)[kDriverTextSize]) {
    if (DriverStatus s = Enter(DriverCall::kSerialNumber)) return s;
    if (index >= bus_.DeviceCount()) return kDriverDeviceNotFound;
    SimDevice& device = bus_.Device(index);
    if (device.busy || device.is_open()) return kDriverDeviceNotOpened;
    CopyText(text, device.serial);
    return kDriverOk;
}

DriverStatus SimDriver::Open(std::uint32_t index, DriverHandle& handle) {
    if (DriverStatus s = Enter(DriverCall::kOpen)) return s;
    if (index >= bus_.DeviceCount()) return kDriverDeviceNotFound;
    SimDevice& device = bus_.Device(index);
    if (device.busy || device.is_open()) return kDriverDeviceNotOpened;
    device.Open(Now());
    handle = device.id();
    return kDriverOk;
}

DriverStatus SimDriver::SetBaudRate(DriverHandle handle, std::uint32_t baud) {
    if (DriverStatus s = Enter(DriverCall::kSetBaudRate)) return s;
    SimDevice* device = OpenDevice(handle);
    if (!device) return kDriverInvalidHandle;
    device->SetHostBaud(baud);
    return kDriverOk;
}

DriverStatus SimDriver::SetDataCharacteristics(DriverHandle handle, std::uint8_t, std::uint8_t,
                                               std::uint8_t) {
    if (DriverStatus s = Enter(DriverCall::kSetDataCharacteristics)) return s;
    return OpenDevice(handle) ? kDriverOk : kDriverInvalidHandle;
}

DriverStatus SimDriver::SetFlowControl(DriverHandle handle, std::uint16_t, std::uint8_t,
                                       std::uint8_t) {
    if (DriverStatus s = Enter(DriverCall::kSetFlowControl)) return s;
    return OpenDevice(handle) ? kDriverOk : kDriverInvalidHandle;
}

DriverStatus SimDriver::QueueStatus(DriverHandle handle, std::uint32_t& waiting) {
    if (DriverStatus s = Enter(DriverCall::kQueueStatus)) return s;
    SimDevice* device = OpenDevice(handle);
    if (!device) return kDriverInvalidHandle;
    waiting = device->Waiting(Now());
    return kDriverOk;
}

DriverStatus SimDriver::Read(DriverHandle handle, std::uint8_t* buffer, std::uint32_t count,
                             std::uint32_t& received) {
    if (DriverStatus s = Enter(DriverCall::kRead)) return s;
    SimDevice* device = OpenDevice(handle);
    if (!device) return kDriverInvalidHandle;
    received = device->Read(Now(), buffer, count);
    return kDriverOk;
}

DriverStatus SimDriver::Write(DriverHandle handle, const std::uint8_t* data, std::uint32_t length,
                              std::uint32_t& sent) {
    if (DriverStatus s = Enter(DriverCall::kWrite)) return s;
    SimDevice* device = OpenDevice(handle);
    if (!device) return kDriverInvalidHandle;
    device->Write(Now(), {data, length});
    sent = length;
    return kDriverOk;
}

DriverStatus SimDriver::SetRts(DriverHandle handle) {
    if (DriverStatus s = Enter(DriverCall::kSetRts)) return s;
    SimDevice* device = OpenDevice(handle);
    if (!device) return kDriverInvalidHandle;
    device->SetRts(true);
    return kDriverOk;
}

DriverStatus SimDriver::ClearRts(DriverHandle handle) {
    if (DriverStatus s = Enter(DriverCall::kClearRts)) return s;
    SimDevice* device = OpenDevice(handle);
    if (!device) return kDriverInvalidHandle;
    device->SetRts(false);
    return kDriverOk;
}

DriverStatus SimDriver::SetDtr(DriverHandle handle) {
    if (DriverStatus s = Enter(DriverCall::kSetDtr)) return s;
    SimDevice* device = OpenDevice(handle);
    if (!device) return kDriverInvalidHandle;
    device->SetDtr(Now(), true);
    return kDriverOk;
}

DriverStatus SimDriver::ClearDtr(DriverHandle handle) {
    if (DriverStatus s = Enter(DriverCall::kClearDtr)) return s;
    SimDevice* device = OpenDevice(handle);
    if (!device) return kDriverInvalidHandle;
    device->SetDtr(Now(), false);
    return kDriverOk;
}

DriverStatus SimDriver::Close(DriverHandle handle) {
    if (DriverStatus s = Enter(DriverCall::kClose)) return s;
    SimDevice* device = OpenDevice(handle);
    if (!device) return kDriverInvalidHandle;
    device->Close();
    return kDriverOk;
}

}  // namespace ksm::sim
