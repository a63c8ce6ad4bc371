#include "sim/module_memory.h"

#include <algorithm>

#include "sim/virtual_module.h"

namespace ksm::sim {
namespace {

// Reply data lies in bytes 1 to 117; the key block follows.
constexpr std::size_t kReplyData = 1;
constexpr std::size_t kReplyDataSize = kFrameKeyOffset - kReplyData;
// The end of the serial table.
constexpr std::uint8_t kSerialTableEnd = 0x00;

// A command that copies `count` bytes of a memory, from `start`, into the reply data.
template <typename Memory>
ServiceHandler ReadBlock(Memory (*memory)(const ModuleState&), std::size_t start,
                         std::size_t count) {
    return [=](VirtualModule& module, const ServiceFrame&, ServiceFrame& reply) {
        const Memory bytes = memory(module.state());
        std::copy_n(bytes.begin() + start, count, reply.begin() + kReplyData);
        return ServiceOutcome{};
    };
}

}  // namespace

std::array<std::uint8_t, kSerialTableSize> SerialTable(const ModuleState& state) {
    std::array<std::uint8_t, kSerialTableSize> table{};
    auto out = table.begin();
    for (const ModuleState::SensorSerial& serial : state.serials)
        out = std::copy(serial.begin(), serial.end(), out);
    *out = kSerialTableEnd;
    return table;
}

EepromImage Eeprom(const ModuleState& state) {
    EepromImage image;
    image.fill(0xFF);
    const std::uint8_t head[] = {state.address,   state.interval,       state.addressing_type,
                                 state.work_type, state.firmware_major, state.firmware_minor};
    std::copy(std::begin(head), std::end(head), image.begin());
    auto table = SerialTable(state);
    std::copy(table.begin(), table.end(), image.begin() + kEepromSerialTable);
    return image;
}

void InstallMemoryCommands(ServiceCommands& commands) {
    constexpr std::size_t kLowBlock = 64;
    constexpr std::size_t kHighBlock = 65;
    commands.Set(catalogue::kReadEeprom, ReadBlock(Eeprom, 0, kReplyDataSize));
    commands.Set(catalogue::kReadEepromLow, ReadBlock(Eeprom, 0, kLowBlock));
    commands.Set(catalogue::kReadEepromHigh, ReadBlock(Eeprom, kLowBlock, kHighBlock));
    commands.Set(catalogue::kFetchSerials, ReadBlock(SerialTable, 0, kReplyDataSize));
    // No procedure runs: nothing to report beyond the acknowledgement.
    commands.Set(catalogue::kApcPollSecond, [](VirtualModule&, const ServiceFrame&, ServiceFrame&) {
        return ServiceOutcome{};
    });
}

}  // namespace ksm::sim
