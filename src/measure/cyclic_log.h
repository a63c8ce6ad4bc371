#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "link/clock.h"
#include "link/status_codes.h"

namespace ksm {

// The lines of the error log of the cyclic measurement.

// Hours, minutes and seconds without leading zeros: 9:05:03 is "9:5:3".
std::string LogStamp(const TimeOfDay& time);
// The line that marks a start: the stamp between 17 asterisks on each side.
std::string StartLogLine(const TimeOfDay& time);
// A failure shown by the caption of the counter that counted it.
std::string CounterLogLine(const TimeOfDay& time, std::string_view caption);
// Any other failure: the other-errors caption and the code in four hex digits.
std::string OtherCodeLogLine(const TimeOfDay& time, std::string_view caption, StatusCode code);
// An SHTxx error word: its meaning after six blanks.
std::string ShtLogLine(const TimeOfDay& time, std::string_view meaning);

inline constexpr std::string_view kShtAckError = "I2C ACK Error - Timeout";
inline constexpr std::string_view kShtCrcError = "I2C CRC ERROR";

}  // namespace ksm
