// Reading the 16 levels of a probe.
#include "measure/error_counters.h"
#include "measure/measurements.h"
#include "measure/raw_to_celsius.h"
#include "measure/reading.h"
#include "protocol/catalogue.h"

namespace ksm {
namespace {

constexpr std::uint8_t kFirstLevelByte = 3;
constexpr float kPresenceErrorCelsius = -250.0f;
constexpr float kCrcErrorCelsius = -251.0f;
constexpr StatusCode kPresenceErrorCode = 250;
constexpr StatusCode kCrcErrorCode = 251;

}  // namespace

StatusCode Measurements::ReadTemperatures(std::uint8_t address) {
    StatusCode result = StartReading(link_, address, catalogue::kReadLevels, catalogue::kLevelCount,
                                     catalogue::kLevelsReplyLength);
    if (result != status::kOk) return result;
    Console& console = link_.console();
    Window& window = link_.window();
    console.ConsoleSetColour(RxDumpColour);
    console.ConsoleInsert(ReplyHex(link_));

    for (int q = 0; q < catalogue::kLevelCount; ++q) {
        const std::uint8_t high = link_.RxBuffer[kFirstLevelByte + 2 * q];
        const std::uint8_t low = link_.RxBuffer[kFirstLevelByte + 2 * q + 1];
        const float celsius = RawToCelsius(high, low);
        LastTemperature = celsius;
        const std::string text = FormatValue(window, celsius, 2);
        const int row = q + 1;
        window.SetCell("StringGrid3", 1, row, "     " + text);
        window.SetCell("StringGrid2", 4, row, text);
        window.SetCell("StringGrid2", 3, row, HexByte(low));
        window.SetCell("StringGrid2", 2, row, HexByte(high));
        if (celsius == kCrcErrorCelsius) {
            counters_.Increment(ErrorCounter::kOneWireCrcErrors, window);
            result = kCrcErrorCode;
        }
        if (celsius == kPresenceErrorCelsius) {
            counters_.Increment(ErrorCounter::kOneWirePresenceErrors, window);
            result = kPresenceErrorCode;
        }
    }
    return result;
}

void Measurements::btn3Click() {
    StatusCode code =
        RunFromButton([this](std::uint8_t address) { return ReadTemperatures(address); });
    if (code == status::kOk) return;
    Window& window = link_.window();
    switch (code) {
        case status::kReadFailed:
            counters_.Increment(ErrorCounter::kReadErrors, window);
            break;
        case status::kQueueStatusFailed:
            counters_.Increment(ErrorCounter::kStatusErrors, window);
            break;
        case status::kNoData:
            counters_.Increment(ErrorCounter::kNoDataErrors, window);
            break;
        default:
            counters_.Increment(ErrorCounter::kOtherErrors, window);
            break;
    }
}

}  // namespace ksm
