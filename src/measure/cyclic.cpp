#include "measure/cyclic.h"

#include "link/control_sets.h"
#include "measure/cyclic_log.h"
#include "measure/module_address.h"
#include "measure/sht_conversion.h"

namespace ksm {
namespace {

constexpr std::string_view kTimer = "Timer1";
constexpr std::string_view kLog = "Memo2";
constexpr std::string_view kCyclesLabel = "Label18";
constexpr std::uint32_t kFirstTickMs = 100;
constexpr StatusCode kPresenceErrorCode = 250;
constexpr StatusCode kCrcErrorCode = 251;

}  // namespace

void CyclicMeasurement::btn5Click() {
    Window& window = link_.window();
    window.SetTimerInterval(kTimer, kFirstTickMs);
    window.SetTimerEnabled(kTimer, true);
    CyclicRunningControls(window);
    TickTime = link_.clock().LocalTimeOfDay();
    Log(StartLogLine(TickTime));
}

void CyclicMeasurement::Timer1Timer() {
    Window& window = link_.window();
    // The selected number of seconds; no selection gives 0, which stops the ticks.
    const int item = window.ItemIndex("ComboBox4");
    window.SetTimerInterval(kTimer, static_cast<std::uint32_t>((item + 1) * 1000));
    const std::uint8_t address = SelectedModuleAddress(window);
    TickTime = link_.clock().LocalTimeOfDay();

    // The mode is asked before each reading: a switch to RH while the temperatures are read
    // makes this tick read both.
    if (window.IsChecked("T")) LogTemperatureResult(measurements_.ReadTemperatures(address));
    if (window.IsChecked("RH")) LogShtResult(measurements_.ReadShtValues(address));

    MeasurementCycles = static_cast<std::uint16_t>(MeasurementCycles + 1);
    window.SetText(kCyclesLabel, "Cykle Pomiarowe: " + std::to_string(MeasurementCycles));
}

void CyclicMeasurement::LogTemperatureResult(StatusCode code) {
    const ErrorCounters& counters = measurements_.counters();
    // The reading has counted the error word already.
    if (code == kPresenceErrorCode) {
        Log(CounterLogLine(TickTime, counters.Caption(ErrorCounter::kOneWirePresenceErrors)));
    } else if (code == kCrcErrorCode) {
        Log(CounterLogLine(TickTime, counters.Caption(ErrorCounter::kOneWireCrcErrors)));
    } else {
        LogCommonResult(code);
    }
}

void CyclicMeasurement::LogShtResult(StatusCode code) {
    // Errors of the sensor bus are logged, not counted.
    if (code == sht::kHumidityAckError || code == sht::kTemperatureAckError) {
        Log(ShtLogLine(TickTime, kShtAckError));
    } else if (code == sht::kHumidityCrcError || code == sht::kTemperatureCrcError) {
        Log(ShtLogLine(TickTime, kShtCrcError));
    } else {
        LogCommonResult(code);
    }
}

void CyclicMeasurement::LogCommonResult(StatusCode code) {
    if (code == status::kOk) return;
    Window& window = link_.window();
    ErrorCounters& counters = measurements_.counters();
    // A failed FT_Read counts as another error here; only a manual read counts it apart.
    if (code == status::kQueueStatusFailed) {
        counters.Increment(ErrorCounter::kStatusErrors, window);
        Log(CounterLogLine(TickTime, counters.Caption(ErrorCounter::kStatusErrors)));
    } else if (code == status::kNoData) {
        counters.Increment(ErrorCounter::kNoDataErrors, window);
        Log(CounterLogLine(TickTime, counters.Caption(ErrorCounter::kNoDataErrors)));
    } else {
        counters.Increment(ErrorCounter::kOtherErrors, window);
        Log(OtherCodeLogLine(TickTime, counters.Caption(ErrorCounter::kOtherErrors), code));
    }
}

void CyclicMeasurement::btn6Click() {
    Window& window = link_.window();
    window.SetTimerEnabled(kTimer, false);
    CyclicStoppedControls(window);
}

void CyclicMeasurement::btn4Click() {
    MeasurementCycles = 0;
    measurements_.counters().Reset(link_.window());
    link_.window().SetText(kCyclesLabel, kUncountedCaption);
}

void CyclicMeasurement::Button6Click() { link_.window().MemoClear(kLog); }

void CyclicMeasurement::Log(const std::string& line) { link_.window().MemoAddLine(kLog, line); }

}  // namespace ksm
