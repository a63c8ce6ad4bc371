#pragma once

#include <cstdint>
#include <string>

#include "link/link.h"

namespace ksm {

// The start every module reading shares: connect, set the baud rate, one Modbus request
// [address, function, 0, 0, 0, last] with the 1200 ms time-out, the count of reply bytes
// into Memo1. A failure is shown in the console and returned; 0 leaves the reply in
// RxBuffer.
StatusCode StartReading(Link& link, std::uint8_t address, std::uint8_t function, std::uint8_t last,
                        std::uint16_t reply_length);

// The reply bytes, each as two hex digits and a blank.
std::string ReplyHex(const Link& link);
// The 16-bit register at a byte offset of the reply, high byte first.
std::uint16_t ReplyWord(const Link& link, std::size_t at);
// A measured value in the number format of the user's locale.
std::string FormatValue(const Window& window, double value, int decimals);

}  // namespace ksm
