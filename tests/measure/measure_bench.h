#pragma once

#include <string>
#include <vector>

#include "measure/measurements.h"
#include "support/tool_bench.h"

namespace ksm::test {

// The tool with a virtual module at address 1 behind the interface; the window as at
// start, the module address combo on address 1.
struct MeasureBench : ToolBench {
    sim::ModuleState& state = module.state();
    Measurements& measurements = tool.measurements();

    std::string Text(std::string_view control) const { return window.Text(control); }
    std::uint16_t Count(ErrorCounter counter) const {
        return measurements.counters().Count(counter);
    }
    Rgb LineColour(std::size_t line) const { return pane.LineColour(line); }
};

}  // namespace ksm::test
