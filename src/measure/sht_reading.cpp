// Temperature and humidity of the module's SHTxx sensor.
#include "measure/measurements.h"
#include "measure/reading.h"
#include "measure/sht_conversion.h"
#include "protocol/catalogue.h"

namespace ksm {
namespace {

constexpr std::size_t kTemperatureAt = 3;
constexpr std::size_t kHumidityAt = 5;

}  // namespace

StatusCode Measurements::ReadShtValues(std::uint8_t address) {
    StatusCode result = StartReading(link_, address, catalogue::kReadSht,
                                     catalogue::kShtRegisterCount, catalogue::kShtReplyLength);
    if (result != status::kOk) return result;
    Console& console = link_.console();
    console.ConsoleSetColour(RxDumpColour);
    console.ConsoleInsert(ReplyHex(link_));

    // An error word is no failure of the exchange: its converted values are shown too.
    const std::uint16_t sot = ReplyWord(link_, kTemperatureAt);
    const std::uint16_t sorh = ReplyWord(link_, kHumidityAt);
    const ShtValues values = ConvertSht(sot, sorh);
    Window& window = link_.window();
    window.SetText("Label8",
                   "Temperatura SHTxx: " + FormatValue(window, values.temperature, 2) + "'C");
    window.SetText("Label9", "RH(linear): " + FormatValue(window, values.rh_linear, 2) + "%");
    window.SetText("Label10",
                   "RH(compensated): " + FormatValue(window, values.rh_compensated, 2) + "%");
    return ShtErrorCode(sot, sorh);
}

}  // namespace ksm
