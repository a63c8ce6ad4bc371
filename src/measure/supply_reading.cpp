// The module's voltages and the probe current.
#include "measure/measurements.h"
#include "measure/reading.h"
#include "measure/supply_conversion.h"
#include "protocol/catalogue.h"

namespace ksm {
namespace {

// Byte offsets of the registers in the reply.
constexpr std::size_t kSupplyRawAt = 3;
constexpr std::size_t kSystemRawAt = 5;
constexpr std::size_t kCurrentRawAt = 15;

}  // namespace

StatusCode Measurements::ReadSupplyVoltages(std::uint8_t address) {
    StatusCode result =
        StartReading(link_, address, catalogue::kReadSupply, catalogue::kSupplyRegisterCount,
                     catalogue::kSupplyReplyLength);
    if (result != status::kOk) return result;
    // Appended, not inserted: the whole console returns to its base colour.
    link_.console().ConsoleAppend(ReplyHex(link_));

    const SupplyValues values =
        ConvertSupply(ReplyWord(link_, kSupplyRawAt), ReplyWord(link_, kSystemRawAt),
                      ReplyWord(link_, kCurrentRawAt));
    Window& window = link_.window();
    window.SetText("Label7",
                   "Napięcie systemowe: " + FormatValue(window, values.system_voltage, 2) + "V");
    window.SetText("Label6",
                   "Napięcie zasilania: " + FormatValue(window, values.supply_voltage, 2) + "V");
    window.SetText("Label12",
                   "Natężenie I sondy:  " + FormatValue(window, values.probe_current, 3) + "A");
    return status::kOk;
}

}  // namespace ksm
