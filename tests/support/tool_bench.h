#pragma once

#include "app/tool.h"
#include "app/window_model.h"
#include "sim/tone_recorder.h"
#include "sim/virtual_module.h"
#include "support/link_bench.h"

namespace ksm::test {

// The whole tool on the simulated bus and virtual time: one "TORVIK ZRD" interface, the
// window and console in memory, tones recorded, a virtual KSM module behind the interface
// (tests may attach another peer instead).
struct ToolBench : SimWorld {
    sim::VirtualModule module;
    bool windows_prepared = (PrepareWindows(window, console), true);  // as the Qt windows start
    sim::SimDevice& device = bus.AddDevice("TORVIK ZRD", "ZRD13A01");
    sim::ToneRecorder tone{clock};
    Tool tool{Seams{driver, clock, pump, console, window, tone}};

    ToolBench() {
        device.Attach(&module);
        // Timer ticks reach the tool as the Qt window delivers them.
        window.BindTimer("Timer1", [this] { tool.Fire("Timer1"); });
    }

    // A click as the window delivers it (ignored while another operation holds the link).
    bool Click(std::string_view control) { return tool.Fire(control); }
};

}  // namespace ksm::test
