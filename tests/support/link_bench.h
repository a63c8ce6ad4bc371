#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/link.h"
#include "sim/memory_window.h"
#include "sim/scripted_pump.h"
#include "sim/sim_bus.h"
#include "sim/sim_driver.h"
#include "sim/virtual_clock.h"

namespace ksm::test {

// The simulated bus on virtual time, with the console and window in memory.
struct SimWorld {
    sim::VirtualClock clock;
    sim::ScriptedPump pump{clock};
    sim::SimBus bus{clock};
    sim::SimDriver driver{bus};
    ConsoleTextModel pane;
    Console console{pane};
    sim::MemoryWindow window{clock};

    SimWorld() { pump.AddTicker([this] { window.FireDueTimers(); }); }
    SimWorld(const SimWorld&) = delete;

    std::vector<std::string> Lines() const { return pane.Lines(); }
};

// The link alone in that world.
struct LinkBench : SimWorld {
    Link link{driver, clock, pump, console, window};
};

inline std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

}  // namespace ksm::test
