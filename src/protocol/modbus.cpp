// The Modbus RTU exchange: request trace, send, reply gathered by polling, CRC test.
#include "protocol/modbus.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace ksm {
namespace {

// A frame holds at least one byte before its CRC.
constexpr std::size_t kMinReply = 3;

std::string HexDump(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) text += HexByte(byte) + " ";
    return text;
}

std::uint8_t Fail(Console& console, std::span<const std::uint8_t> gathered, std::string_view label,
                  std::uint8_t result) {
    // Appending nothing would still turn the whole text to the base colour.
    if (!gathered.empty()) console.ConsoleAppend(HexDump(gathered));
    console.ConsoleSetColour(ErrorColour);
    console.ConsoleAddLine(std::string(label) + HexByte(result));
    return result;
}

}  // namespace

std::uint8_t ModbusTransaction(Link& link, const std::uint8_t* request, std::uint8_t length,
                               std::uint16_t timeout_ms, std::uint16_t expected_length) {
    Console& console = link.console();
    Clock& clock = link.clock();
    std::array<std::uint8_t, kModbusBufferSize> frame{};
    std::array<std::uint8_t, kModbusBufferSize> ModbusAccumulator{};

    // A request that leaves no room for its CRC is not sent.
    if (length > kModbusMaxRequest) {
        console.ConsoleClear();
        return Fail(console, {}, "TransmitError: ", status::kWriteFailed);
    }
    std::copy_n(request, length, frame.begin());
    std::uint16_t crc = ModbusCrc16({frame.data(), length});
    frame[length] = static_cast<std::uint8_t>(crc & 0xFF);
    frame[length + 1] = static_cast<std::uint8_t>(crc >> 8);
    const std::uint32_t frame_length = length + 2u;

    console.ConsoleClear();
    console.ConsoleSetColour(TxDumpColour);
    for (std::uint32_t i = 0; i < frame_length; ++i) console.ConsoleInsert(HexByte(frame[i]) + " ");
    console.ConsoleAddLine("");

    auto written = static_cast<std::uint8_t>(link.WritePort(frame.data(), frame_length));
    clock.SleepMs(length + 3u);
    if (written != status::kOk) return Fail(console, {}, "TransmitError: ", written);

    // Poll until the reply is long enough or the time is up. The accumulator never takes
    // more than it holds: a reply that overflows it stops being gathered and is refused.
    std::uint64_t start = clock.NowMs();
    std::uint64_t elapsed = 0;
    std::size_t gathered = 0;
    bool overflow = false;
    auto last = static_cast<std::uint8_t>(status::kNoData);
    while (elapsed < timeout_ms && gathered < expected_length && !overflow) {
        link.pump().Pump();
        clock.SleepMs(kModbusPollMs);
        elapsed = clock.NowMs() - start;
        last = static_cast<std::uint8_t>(link.ReadAvailable());
        if (last != status::kOk) continue;
        std::size_t room = ModbusAccumulator.size() - gathered;
        std::size_t kept = std::min<std::size_t>(link.RxCount, room);
        std::copy_n(link.RxBuffer.begin(), kept, ModbusAccumulator.begin() + gathered);
        gathered += kept;
        overflow = link.RxCount > room;
    }
    std::span<const std::uint8_t> reply(ModbusAccumulator.data(), gathered);
    if (last != status::kOk) return Fail(console, reply, "RecieveError: ", last);

    link.RxBuffer.fill(0);
    std::copy(reply.begin(), reply.end(), link.RxBuffer.begin());
    link.RxCount = static_cast<std::uint32_t>(gathered);

    // A reply cut short by the time-out is never a success, whatever its last two bytes say.
    bool complete = gathered >= expected_length && gathered >= kMinReply && !overflow;
    if (complete && ModbusCrcMatches(reply)) return status::kOk;
    return Fail(console, reply, "RecieveCRC_Error: ", 1);
}

}  // namespace ksm
