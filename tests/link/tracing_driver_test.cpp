#include "link/tracing_driver.h"

#include <gtest/gtest.h>

#include <sstream>

#include "sim/scripted_peer.h"
#include "sim/sim_bus.h"
#include "sim/sim_driver.h"
#include "sim/virtual_clock.h"

namespace ksm {
namespace {

TEST(TracingDriver, TracesTrafficCallsAndFailures) {
    sim::VirtualClock clock;
    sim::SimBus bus(clock);
    sim::SimDevice& device = bus.AddDevice("TORVIK ZRD", "ZRD13A01");
    sim::ScriptedPeer peer;
    peer.AnswerAll({0x06, 0xAB});
    device.Attach(&peer);
    sim::SimDriver inner(bus);
    std::ostringstream out;
    TracingDriver driver(inner, clock, out);

    DriverHandle handle = kNoHandle;
    ASSERT_EQ(driver.Open(0, handle), kDriverOk);
    const std::uint8_t request[] = {0x01, 0x0F};
    std::uint32_t sent = 0, waiting = 0, received = 0;
    driver.Write(handle, request, 2, sent);
    clock.SleepMs(20);
    driver.QueueStatus(handle, waiting);
    std::uint8_t buffer[8];
    driver.Read(handle, buffer, waiting, received);
    driver.Read(handle, buffer, 8, received);  // empty: no line
    bus.faults().FailCall(DriverCall::kSetDtr, 1, 4);
    driver.SetDtr(handle);

    EXPECT_EQ(out.str(), "0 CALL Open\n0 TX 2 01 0F\n20 RX 2 06 AB\n20 FAIL SetDtr 4\n");
}

}  // namespace
}  // namespace ksm
