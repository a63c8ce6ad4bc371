#pragma once

#include <cstdint>
#include <functional>

#include "link/link.h"
#include "measure/error_counters.h"

namespace ksm {

// The measurements of the "Pomiary - Diagnostyka" tab and the developer checksum tools:
// single readings of a module in normal mode, the counters of failed readings, and the
// handlers that run them.
class Measurements {
  public:
    explicit Measurements(Link& link) : link_(link) {}
    Measurements(const Measurements&) = delete;
    Measurements& operator=(const Measurements&) = delete;

    // The 16 levels into the temperature and configuration grids. 0; 250 or 251 when a level
    // carried a 1-Wire error word (the highest such level decides, its counter already
    // counted); otherwise the failure, with the grids untouched.
    StatusCode ReadTemperatures(std::uint8_t address);
    void btn3Click();  // btn3 and btn7

    // System and supply voltages and the probe current into Label7, Label6, Label12.
    StatusCode ReadSupplyVoltages(std::uint8_t address);
    void Button8Click();
    // SHTxx temperature and humidity into Label8 to Label10. 0, an SHTxx error code
    // (5420, 5472, 29010, 29110), or the failure.
    StatusCode ReadShtValues(std::uint8_t address);
    void BitBtn3Click();

    // The module's reset counters: sub-function 6 lists them, 1 clears them.
    StatusCode CounterCommand(std::uint8_t address, std::uint8_t sub_function);
    void BitBtn1Click();
    void BitBtn2Click();

    // Developer tools on built-in samples.
    void btn2Click();      // 1-Wire CRC-8
    void btn8Click();      // Modbus CRC-16
    void Button21Click();  // Edit8 number to Edit9 character
    void btn9Click();      // a short frame to whatever interface is open
    void Button12Click();  // the temperature conversion on a sample word

    ErrorCounters& counters() { return counters_; }
    const ErrorCounters& counters() const { return counters_; }
    // The last converted temperature; the APC procedure writes it too.
    float LastTemperature = 0.0f;

  private:
    // A single reading run from its button: the controls are busy meanwhile.
    StatusCode RunFromButton(const std::function<StatusCode(std::uint8_t address)>& reading);

    Link& link_;
    ErrorCounters counters_;
};

}  // namespace ksm
