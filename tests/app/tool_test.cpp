#include "app/tool.h"

#include <gtest/gtest.h>

#include "sim/scripted_peer.h"
#include "sim/tone_recorder.h"
#include "support/link_bench.h"

namespace ksm {
namespace {

struct ToolTest : ::testing::Test {
    test::LinkBench bench;
    sim::ToneRecorder tone{bench.clock};
    Tool tool{Seams{bench.driver, bench.clock, bench.pump, bench.console, bench.window, tone}};
};

TEST_F(ToolTest, ALinkHandlerDoesNotStartWhileAnotherOperationHoldsTheLink) {
    bench.bus.AddDevice("TORVIK ZRD", "ZRD13A01");
    LinkLease operation = tool.link().TryAcquire();
    ASSERT_TRUE(operation);
    ASSERT_EQ(tool.link().ConnectInterface(), status::kOk);
    // A click that arrives while the operation waits for its reply is ignored.
    bool fired = true;
    bench.pump.At(5, [&] { fired = tool.Fire("Button3"); });
    EXPECT_EQ(tool.link().WaitForBytes(1, 20), status::kTimeOut);
    EXPECT_FALSE(fired);
    EXPECT_EQ(bench.pane.Text(), "");
    EXPECT_NE(tool.link().InterfaceHandle, kNoHandle);  // the operation's handle was not closed

    operation = LinkLease();
    EXPECT_TRUE(tool.Fire("Button3"));
    EXPECT_EQ(bench.pane.Text(), "TORVIK Device detected...");
}

TEST_F(ToolTest, UnknownNamesRunNothing) {
    EXPECT_FALSE(tool.HasHandler("NoSuchButton"));
    EXPECT_FALSE(tool.Fire("NoSuchButton"));
}

TEST_F(ToolTest, StartResetsTheModuleAndSetsThePassThroughButtons) {
    sim::ScriptedPeer module;
    bench.bus.AddDevice("TORVIK ZRD", "ZRD13A01").Attach(&module);
    bench.window.SetEnabled("ButtonA", false);
    tool.Start();
    EXPECT_EQ(module.DtrPulses(), 1);
    EXPECT_TRUE(bench.window.IsEnabled("ButtonA"));
    EXPECT_EQ(bench.pane.Text(), "");
    EXPECT_FALSE(tool.link().IsBusy());
}

TEST_F(ToolTest, StartWithoutDeviceReportsAndDisablesThePassThrough) {
    tool.Start();
    EXPECT_EQ(bench.Lines(), (std::vector<std::string>{"Error: 00.08", StatusMessage(8)}));
    EXPECT_FALSE(bench.window.IsEnabled("ButtonA"));
    EXPECT_FALSE(bench.window.IsEnabled("Button5"));
}

TEST_F(ToolTest, FormCloseClosesTheInterface) {
    sim::SimDevice& device = bench.bus.AddDevice("TORVIK ZRD", "ZRD13A01");
    tool.Start();
    ASSERT_TRUE(device.is_open());
    tool.FormClose();
    EXPECT_FALSE(device.is_open());
}

}  // namespace
}  // namespace ksm
