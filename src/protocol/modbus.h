#pragma once

#include <cstdint>
#include <span>

#include "link/link.h"

namespace ksm {

// Buffers of the exchange: the request with its CRC is built in one, the reply gathered in
// the other.
inline constexpr std::size_t kModbusBufferSize = 256;
inline constexpr std::size_t kModbusMaxRequest = kModbusBufferSize - 2;
inline constexpr std::uint32_t kModbusPollMs = 5;

// The Modbus RTU CRC-16 (reflected polynomial 0xA001, start 0xFFFF). On the wire its low
// byte goes first.
std::uint16_t ModbusCrc16(std::span<const std::uint8_t> data);
// Whether a frame ends in the right CRC of the bytes before it.
bool ModbusCrcMatches(std::span<const std::uint8_t> frame);

// One Modbus exchange: appends the CRC, shows the request in the console, sends it and
// gathers the reply by polling. The reply, CRC included, is left at the start of RxBuffer
// with its length in RxCount. 0: a reply of at least `expected_length` bytes with the right
// CRC; 19: the write failed; 17, 16, 15: the reply was incomplete at the time-out (the
// last poll's result); 1: wrong CRC, or a reply cut short or longer than the buffer.
std::uint8_t ModbusTransaction(Link& link, const std::uint8_t* request, std::uint8_t length,
                               std::uint16_t timeout_ms, std::uint16_t expected_length);

}  // namespace ksm
