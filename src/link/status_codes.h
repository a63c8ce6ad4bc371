#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ksm {

class Console;

// Result of every link operation; 0 is success.
using StatusCode = std::uint16_t;

namespace status {
inline constexpr StatusCode kOk = 0;
inline constexpr StatusCode kOpenFailed = 1;
inline constexpr StatusCode kDeviceBusy = 5;
inline constexpr StatusCode kSerialUnreadable = 6;
inline constexpr StatusCode kCountUnreadable = 7;
inline constexpr StatusCode kNoDevice = 8;
inline constexpr StatusCode kSetRtsFailed = 10;
inline constexpr StatusCode kLineFailed = 11;
inline constexpr StatusCode kBaudRateFailed = 12;
inline constexpr StatusCode kDataCharacteristicsFailed = 13;
inline constexpr StatusCode kFlowControlFailed = 14;
inline constexpr StatusCode kReadFailed = 15;
inline constexpr StatusCode kQueueStatusFailed = 16;
inline constexpr StatusCode kNoData = 17;
inline constexpr StatusCode kWriteFailed = 19;
inline constexpr StatusCode kNoInterface = 20;
inline constexpr StatusCode kTimeOut = 21;
inline constexpr StatusCode kIncomplete = 28;
inline constexpr StatusCode kInterfaceOpenFailed = 30;
inline constexpr StatusCode kBaudRateChangeFailed = 32;
}  // namespace status

// The stored message of a code, trailing blanks included; "ERROR" for codes without entry.
const std::string& StatusMessage(StatusCode code);

// The two-line report: "Error: HH.LL", then the message (the table's, or `text` when given,
// cut to 511 characters), each added as a new last line of the console.
void ReportError(Console& console, StatusCode code, std::string_view text = {});

// Upper-case hexadecimal digits of a byte ("0C").
std::string HexByte(std::uint8_t value);

// Number of characters (not bytes) of a UTF-8 text.
std::size_t Utf8Length(std::string_view text);
// The first `count` characters of a UTF-8 text.
std::string_view Utf8Prefix(std::string_view text, std::size_t count);

}  // namespace ksm
