#pragma once

#include <vector>

#include "sim/virtual_module.h"
#include "support/link_bench.h"

namespace ksm::test {

// The link connected to a "TORVIK ZRD" interface with a virtual KSM module behind it.
struct ModuleBench : LinkBench {
    sim::VirtualModule module;
    sim::SimDevice& device = bus.AddDevice("TORVIK ZRD", "ZRD13A01");

    ModuleBench() {
        device.Attach(&module);
        link.ConnectInterface();
    }
    // Bytes toward the PC, the first starting `after_us` from now.
    void SendToHost(std::uint64_t after_us, const std::vector<std::uint8_t>& bytes) {
        device.SendToHost(clock.NowUs() + after_us, bytes);
    }
    std::vector<std::uint8_t> Received() const {
        return {link.RxBuffer.begin(), link.RxBuffer.begin() + link.RxCount};
    }
};

}  // namespace ksm::test
