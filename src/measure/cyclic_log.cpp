#include "measure/cyclic_log.h"

namespace ksm {

std::string LogStamp(const TimeOfDay& time) {
    return std::to_string(time.hours) + ":" + std::to_string(time.minutes) + ":" +
           std::to_string(time.seconds);
}

std::string StartLogLine(const TimeOfDay& time) {
    constexpr std::string_view kStars = "*****************";
    return std::string(kStars) + " " + LogStamp(time) + " " + std::string(kStars);
}

std::string CounterLogLine(const TimeOfDay& time, std::string_view caption) {
    return LogStamp(time) + " " + std::string(caption);
}

std::string OtherCodeLogLine(const TimeOfDay& time, std::string_view caption, StatusCode code) {
    return CounterLogLine(time, caption) + " " + HexByte(static_cast<std::uint8_t>(code >> 8)) +
           HexByte(static_cast<std::uint8_t>(code & 0xFF));
}

std::string ShtLogLine(const TimeOfDay& time, std::string_view meaning) {
    return LogStamp(time) + "      " + std::string(meaning);
}

}  // namespace ksm
