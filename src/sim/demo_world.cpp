#include "sim/demo_world.h"

namespace ksm::sim {
namespace {
constexpr const char* kDemoDescription = "TORVIK ZRD";
constexpr const char* kDemoSerial = "ZRD13A01";
}  // namespace

DemoWorld::DemoWorld(Clock& clock) : bus_(clock), driver_(bus_) { PlugInterface(); }

void DemoWorld::UnplugInterface() {
    if (!interface_) return;
    bus_.Unplug(*interface_);
    interface_ = nullptr;
}

void DemoWorld::PlugInterface() {
    if (interface_) return;
    interface_ = &bus_.AddDevice(kDemoDescription, kDemoSerial);
    interface_->Attach(&module_);
}

}  // namespace ksm::sim
