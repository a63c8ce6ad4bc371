#include "sim/sim_bus.h"

#include <gtest/gtest.h>

#include "sim/scripted_peer.h"
#include "support/link_bench.h"

namespace ksm {
namespace {

using test::Bytes;
using test::LinkBench;

struct SimBusTest : ::testing::Test {
    LinkBench bench;
    sim::SimDevice& device = bench.bus.AddDevice("TORVIK ZRD", "ZRD13A01");
    sim::ScriptedPeer peer;
    SimBusTest() {
        device.Attach(&peer);
        EXPECT_EQ(bench.link.ConnectInterface(), status::kOk);
    }
    std::uint32_t Waiting() {
        std::uint32_t waiting = 0;
        EXPECT_EQ(bench.driver.QueueStatus(bench.link.InterfaceHandle, waiting), kDriverOk);
        return waiting;
    }
};

TEST_F(SimBusTest, BytesTakeWireTimeAtTheBaudRate) {
    std::vector<std::uint8_t> request = Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    ASSERT_EQ(bench.link.WritePort(request.data(), 10), status::kOk);
    bench.clock.SleepMs(10);  // ten bytes at 9600 baud take 10.4 ms
    EXPECT_TRUE(peer.Frames().empty());
    bench.clock.SleepMs(6);  // the frame ends after four silent byte times
    Waiting();
    ASSERT_EQ(peer.Frames().size(), 1u);
    EXPECT_EQ(peer.Frames()[0], request);
}

TEST_F(SimBusTest, AReplyPolledEarlyArrivesInPieces) {
    device.SendToHost(bench.clock.NowUs(), std::vector<std::uint8_t>(20, 0x33));
    bench.clock.SleepMs(5);
    EXPECT_EQ(Waiting(), 4u);
    bench.clock.SleepMs(20);
    EXPECT_EQ(Waiting(), 20u);
}

TEST_F(SimBusTest, BaudRateMismatchGarblesBytesBothWays) {
    ASSERT_EQ(bench.link.SetBaudRate(115200), status::kOk);
    peer.AnswerAll(Bytes({0x06, 0x41}));
    std::uint8_t request[] = {0x30, 0x00};
    bench.link.WritePort(request, 2);
    bench.clock.SleepMs(50);
    ASSERT_EQ(bench.link.ReadAvailable(), status::kOk);
    ASSERT_EQ(peer.Frames().size(), 1u);
    EXPECT_NE(peer.Frames()[0], Bytes({0x30, 0x00}));
    EXPECT_EQ(bench.link.RxCount, 2u);
    EXPECT_NE(bench.link.RxBuffer[0], 0x06);
}

TEST_F(SimBusTest, OpeningStartsWithAnEmptyReceiveQueue) {
    device.SendToHost(bench.clock.NowUs(), Bytes({1, 2, 3}));
    bench.clock.SleepMs(10);
    ASSERT_EQ(bench.link.ConnectInterface(), status::kOk);
    EXPECT_EQ(Waiting(), 0u);
}

TEST_F(SimBusTest, TerminalPassesBytesOnlyWhileRtsIsSet) {
    device.pass_through_switch = true;
    std::uint8_t request[] = {0x11};
    bench.link.WritePort(request, 1);
    bench.clock.SleepMs(20);
    Waiting();
    EXPECT_TRUE(peer.Frames().empty());
    bench.link.SetRtsLine();
    bench.link.WritePort(request, 1);
    bench.clock.SleepMs(20);
    Waiting();
    EXPECT_EQ(peer.Frames().size(), 1u);
}

TEST_F(SimBusTest, FaultPlanFailsTheNthCallOrEveryCall) {
    sim::FaultPlan plan;
    plan.FailCall(DriverCall::kRead, 2, 7);
    EXPECT_EQ(plan.Check(DriverCall::kRead), kDriverOk);
    EXPECT_EQ(plan.Check(DriverCall::kRead), 7u);
    EXPECT_EQ(plan.Check(DriverCall::kRead), kDriverOk);
    plan.FailFromNow(DriverCall::kWrite);
    EXPECT_NE(plan.Check(DriverCall::kWrite), kDriverOk);
    EXPECT_NE(plan.Check(DriverCall::kWrite), kDriverOk);
    plan.ClearAll();
    EXPECT_EQ(plan.Check(DriverCall::kWrite), kDriverOk);
    EXPECT_EQ(plan.Calls(DriverCall::kRead), 3);
}

TEST_F(SimBusTest, UnpluggedDeviceStopsAnsweringItsHandle) {
    bench.bus.Unplug(device);
    std::uint8_t byte = 0;
    EXPECT_EQ(bench.link.WritePort(&byte, 1), status::kWriteFailed);
    EXPECT_EQ(bench.link.ConnectInterface(), status::kNoDevice);
}

}  // namespace
}  // namespace ksm
