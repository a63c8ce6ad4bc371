#include "sim/service_commands.h"

#include "sim/virtual_module.h"

namespace ksm::sim {
namespace {

constexpr std::size_t kParameter = 3;
// Saving writes the configuration and the serial table into the EEPROM, a few milliseconds
// for each byte.
constexpr std::uint32_t kEepromByteWriteUs = 3400;
constexpr std::uint32_t kSavedBytes = 8 + catalogue::kLevelCount * 8 + 1;
constexpr std::uint32_t kSaveProcessingMs = kSavedBytes * kEepromByteWriteUs / 1000;

// A write of one configuration byte from the frame's parameter.
ServiceHandler WriteField(std::uint8_t ModuleState::*field) {
    return [field](VirtualModule& module, const ServiceFrame& request, ServiceFrame&) {
        module.state().*field = request[kParameter];
        return ServiceOutcome{};
    };
}

}  // namespace

void ServiceCommands::Set(catalogue::ServiceCommand command, ServiceHandler handler) {
    table_[Key(command.command, command.sub)] = std::move(handler);
}

const ServiceHandler* ServiceCommands::Find(std::uint8_t command, std::uint8_t sub) const {
    auto it = table_.find(Key(command, sub));
    return it == table_.end() ? nullptr : &it->second;
}

void InstallConfigurationCommands(ServiceCommands& commands) {
    commands.Set(catalogue::kVersionRead,
                 [](VirtualModule& module, const ServiceFrame&, ServiceFrame& reply) {
                     reply[1] = module.state().firmware_major;
                     reply[2] = module.state().firmware_minor;
                     return ServiceOutcome{};
                 });
    commands.Set(catalogue::kWriteAddress, WriteField(&ModuleState::address));
    commands.Set(catalogue::kWriteInterval, WriteField(&ModuleState::interval));
    commands.Set(catalogue::kWriteAddressingType, WriteField(&ModuleState::addressing_type));
    commands.Set(catalogue::kWriteWorkType, WriteField(&ModuleState::work_type));
    commands.Set(catalogue::kSaveConfiguration,
                 [](VirtualModule& module, const ServiceFrame&, ServiceFrame&) {
                     module.EnterNormalMode();
                     return ServiceOutcome{kServiceAccepted, kSaveProcessingMs};
                 });
    commands.Set(catalogue::kLeaveProgramMode,
                 [](VirtualModule& module, const ServiceFrame&, ServiceFrame&) {
                     module.EnterNormalMode();
                     return ServiceOutcome{};
                 });
    // The watchdog resets the module while its acknowledgement is on the way: only the
    // status byte gets out.
    commands.Set(catalogue::kResetModule,
                 [](VirtualModule& module, const ServiceFrame&, ServiceFrame&) {
                     module.Reset(VirtualModule::ResetCause::kWatchdog);
                     return ServiceOutcome{kServiceAccepted, 0, 1};
                 });
}

}  // namespace ksm::sim
