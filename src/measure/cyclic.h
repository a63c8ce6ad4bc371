#pragma once

#include <cstdint>

#include "link/clock.h"
#include "link/link.h"
#include "measure/measurements.h"

namespace ksm {

// The cyclic measurement of the "Pomiary Cykliczne" group: Timer1 reads the temperatures or
// the SHTxx values of the selected module at the chosen interval, and every failed reading is
// counted and written, time-stamped, into the error log (Memo2). It runs for hours: nothing
// but the log's lines accumulates.
class CyclicMeasurement {
  public:
    CyclicMeasurement(Link& link, Measurements& measurements)
        : link_(link), measurements_(measurements) {}
    CyclicMeasurement(const CyclicMeasurement&) = delete;
    CyclicMeasurement& operator=(const CyclicMeasurement&) = delete;

    void btn5Click();  // Start
    // One reading. Runs only while it holds the link: a tick that comes due while another
    // operation (or an earlier tick) waits is skipped by the caller, never nested.
    void Timer1Timer();
    void btn6Click();     // Stop; a tick still waiting completes and logs as usual
    void btn4Click();     // all logger counters to zero
    void Button6Click();  // empties the log

    // Ticks since start or the last counter reset; wraps at 65535.
    std::uint16_t MeasurementCycles = 0;
    // When the last start or tick began; the stamp of its log lines.
    TimeOfDay TickTime{};

  private:
    void LogTemperatureResult(StatusCode code);
    void LogShtResult(StatusCode code);
    // 16 and 17 in either mode, and any code without a line of its own.
    void LogCommonResult(StatusCode code);
    void Log(const std::string& line);

    Link& link_;
    Measurements& measurements_;
};

}  // namespace ksm
