#include "sim/modbus_slave.h"

#include <algorithm>

#include "protocol/modbus.h"

namespace ksm::sim {
namespace {

constexpr std::size_t kRequestFrameLength = catalogue::kModbusRequestLength + 2;
constexpr std::uint8_t kExceptionFlag = 0x80;
constexpr std::uint8_t kIllegalFunction = 0x01;
constexpr std::uint8_t kIllegalAddress = 0x02;

void PutWord(std::vector<std::uint8_t>& out, std::uint16_t word) {
    out.push_back(static_cast<std::uint8_t>(word >> 8));
    out.push_back(static_cast<std::uint8_t>(word & 0xFF));
}

std::vector<std::uint8_t> WithCrc(std::vector<std::uint8_t> frame) {
    std::uint16_t crc = ModbusCrc16(frame);
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    return frame;
}

std::vector<std::uint8_t> Exception(std::uint8_t address, std::uint8_t function,
                                    std::uint8_t code) {
    return WithCrc({address, static_cast<std::uint8_t>(function | kExceptionFlag), code});
}

// A read of `count` registers from `start` out of a bank of registers.
std::vector<std::uint8_t> ReadRegisters(std::span<const std::uint8_t> frame,
                                        std::span<const std::uint16_t> bank) {
    std::uint8_t address = frame[0], function = frame[1];
    std::size_t start = frame[2] << 8 | frame[3];
    std::size_t count = frame[4] << 8 | frame[5];
    if (count == 0 || start + count > bank.size())
        return Exception(address, function, kIllegalAddress);
    std::vector<std::uint8_t> reply{address, function, static_cast<std::uint8_t>(2 * count)};
    for (std::size_t r = start; r < start + count; ++r) PutWord(reply, bank[r]);
    return WithCrc(std::move(reply));
}

std::vector<std::uint8_t> CounterCommand(ModuleState& state, std::span<const std::uint8_t> frame) {
    std::uint8_t address = frame[0], sub = frame[5];
    if (sub == catalogue::kCountersRead) {
        const ResetCounters& c = state.counters;
        std::vector<std::uint8_t> reply{address, catalogue::kCounters, 12};
        for (std::uint16_t value :
             {c.total, c.jtag, c.watchdog, c.brown_out, c.external, c.power_on})
            PutWord(reply, value);
        return WithCrc(std::move(reply));
    }
    if (sub == catalogue::kCountersClear) state.counters = ResetCounters{0, 0, 0, 0, 0, 0};
    // Every other sub-function is acknowledged with its number.
    return WithCrc({address, catalogue::kCounters, 0x00, sub});
}

}  // namespace

bool IsProgramModeRequest(std::span<const std::uint8_t> frame) {
    const std::string_view word = catalogue::kProgramModeWord;
    return frame.size() == word.size() + 2 && std::equal(word.begin(), word.end(), frame.begin()) &&
           ModbusCrcMatches(frame);
}

std::vector<std::uint8_t> ProgramModeReply(const ModuleState& state) {
    return WithCrc(
        {state.address, 0x00, 0x00, state.interval, state.addressing_type, state.work_type});
}

std::vector<std::uint8_t> ModbusReply(ModuleState& state, std::span<const std::uint8_t> frame) {
    if (frame.size() < 4 || !ModbusCrcMatches(frame) || frame[0] != state.address) return {};
    std::uint8_t function = frame[1];
    // Every function the module serves takes a six-byte request; a malformed one is ignored.
    bool served = function == catalogue::kReadLevels || function == catalogue::kReadSht ||
                  function == catalogue::kReadSupply || function == catalogue::kCounters;
    if (!served) return Exception(state.address, function, kIllegalFunction);
    if (frame.size() != kRequestFrameLength) return {};
    switch (function) {
        case catalogue::kReadLevels:
            return ReadRegisters(frame, state.levels);
        case catalogue::kReadSht: {
            const std::uint16_t sht[] = {state.sht_temperature, state.sht_humidity};
            return ReadRegisters(frame, sht);
        }
        case catalogue::kReadSupply:
            return ReadRegisters(frame, state.supply);
        default:
            return CounterCommand(state, frame);
    }
}

}  // namespace ksm::sim
