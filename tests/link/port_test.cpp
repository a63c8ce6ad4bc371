#include <gtest/gtest.h>

#include <algorithm>

#include "sim/scripted_peer.h"
#include "support/link_bench.h"

namespace ksm {
namespace {

using test::Bytes;
using test::LinkBench;

struct PortTest : ::testing::Test {
    LinkBench bench;
    sim::SimDevice& device = bench.bus.AddDevice("TORVIK ZRD", "ZRD13A01");
    sim::ScriptedPeer peer;

    PortTest() {
        device.Attach(&peer);
        EXPECT_EQ(bench.link.ConnectInterface(), status::kOk);
    }
    // Bytes from the module reaching the PC, the first starting `after_ms` from now.
    void Reply(std::uint32_t after_ms, const std::vector<std::uint8_t>& bytes) {
        device.SendToHost(bench.clock.NowUs() + after_ms * 1000ull, bytes);
    }
    static std::vector<std::uint8_t> Counting(std::size_t n) {
        std::vector<std::uint8_t> bytes(n);
        for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(i + 1);
        return bytes;
    }
    int Polls() { return bench.bus.faults().Calls(DriverCall::kQueueStatus); }
};

TEST_F(PortTest, WaitWithZeroTimeOutEndsBeforeAskingTheDriver) {
    Reply(0, Counting(4));
    bench.clock.SleepMs(10);
    EXPECT_EQ(bench.link.WaitForBytes(4, 0), status::kTimeOut);
    EXPECT_EQ(Polls(), 0);
}

TEST_F(PortTest, WaitForNothingEndsAtTheFirstByte) {
    Reply(5, Counting(3));
    EXPECT_EQ(bench.link.WaitForBytes(0, 100), status::kOk);
    EXPECT_EQ(bench.link.RxTotal, 0u);
    EXPECT_TRUE(std::all_of(bench.link.RxBuffer.begin(), bench.link.RxBuffer.end(), [](auto b) { return b == 0; }));

    bench.clock.SleepMs(10);
    bench.link.ReadAvailable();  // the rest of the reply
    std::uint64_t start = bench.clock.NowMs();
    EXPECT_EQ(bench.link.WaitForBytes(0, 100), status::kTimeOut);
    EXPECT_EQ(bench.clock.NowMs() - start, 100u);
}

TEST_F(PortTest, SurplusOfAOnePieceReplyIsDropped) {
    Reply(0, Counting(130));
    bench.clock.SleepMs(200);  // all of it waits in the queue
    EXPECT_EQ(bench.link.WaitForBytes(128, 600), status::kOk);
    EXPECT_EQ(bench.link.RxTotal, 128u);
    EXPECT_EQ(bench.link.RxCount, 130u);
    EXPECT_EQ(bench.link.RxBuffer[127], 128);
    EXPECT_EQ(bench.link.RxBuffer[128], 0);
    EXPECT_EQ(bench.link.RxBuffer[129], 0);
}

TEST_F(PortTest, ReplyArrivingInPiecesIsGathered) {
    Reply(3, Counting(128));  // 128 bytes at 9600 baud take about 133 ms
    EXPECT_EQ(bench.link.WaitForBytes(128, 600), status::kOk);
    EXPECT_EQ(bench.link.RxTotal, 128u);
    EXPECT_LT(bench.link.RxCount, 128u);  // the last read carried only the last piece
    EXPECT_EQ(bench.link.RxBuffer[0], 1);
    EXPECT_EQ(bench.link.RxBuffer[127], 128);
}

TEST_F(PortTest, HalfAReplyEndsAfterTimeOutPlusOneEmptyPolls) {
    Reply(0, Counting(64));
    bench.clock.SleepMs(100);
    std::uint64_t start = bench.clock.NowMs();
    EXPECT_EQ(bench.link.WaitForBytes(128, 50), status::kIncomplete);
    EXPECT_EQ(bench.link.RxTotal, 64u);
    // One poll of the first phase, then 51 empty polls of 1 ms each.
    EXPECT_EQ(bench.clock.NowMs() - start, 1u + 51u);
}

TEST_F(PortTest, ArrivingDataDoesNotRenewTheAllowanceOfEmptyPolls) {
    // Four bytes every 20 ms: each gap costs empty polls that are never given back.
    for (int i = 0; i < 8; ++i) Reply(20 * i, Counting(4));
    EXPECT_EQ(bench.link.WaitForBytes(32, 60), status::kIncomplete);
    EXPECT_GT(bench.link.RxTotal, 4u);
}

TEST_F(PortTest, FirstByteLaterThanTheTimeOut) {
    Reply(700, Counting(10));
    std::uint64_t start = bench.clock.NowMs();
    EXPECT_EQ(bench.link.WaitForBytes(10, 600), status::kTimeOut);
    EXPECT_EQ(bench.clock.NowMs() - start, 600u);
}

TEST_F(PortTest, WaitFailuresOfTheDriver) {
    Reply(0, Counting(10));
    bench.clock.SleepMs(20);
    bench.bus.faults().FailCall(DriverCall::kRead);
    EXPECT_EQ(bench.link.WaitForBytes(10, 100), status::kReadFailed);
    EXPECT_EQ(bench.link.ReadAvailable(), status::kOk);

    Reply(0, Counting(5));
    bench.clock.SleepMs(20);
    bench.bus.faults().FailCall(DriverCall::kQueueStatus, 2);  // the first poll of the second phase
    EXPECT_EQ(bench.link.WaitForBytes(10, 100), status::kQueueStatusFailed);
}

TEST_F(PortTest, WaitForMoreThanTheBufferFailsWithoutTouchingAnything) {
    bench.link.RxBuffer[0] = 0x55;
    EXPECT_EQ(bench.link.WaitForBytes(kRxBufferSize + 1, 100), status::kIncomplete);
    EXPECT_EQ(bench.link.RxBuffer[0], 0x55);
    EXPECT_EQ(Polls(), 0);
}

TEST_F(PortTest, ReadAvailableWithNothingWaiting) {
    bench.link.RxBuffer.fill(0xAA);
    bench.link.RxCount = 7;
    EXPECT_EQ(bench.link.ReadAvailable(), status::kNoData);
    EXPECT_EQ(bench.link.RxCount, 0u);
    EXPECT_TRUE(std::all_of(bench.link.RxBuffer.begin(), bench.link.RxBuffer.end(), [](auto b) { return b == 0; }));
}

TEST_F(PortTest, QueueLongerThanTheBufferIsReadInPieces) {
    Reply(0, std::vector<std::uint8_t>(kRxBufferSize + 100, 0x42));
    bench.clock.SleepMs(200'000);
    EXPECT_EQ(bench.link.ReadAvailable(), status::kOk);
    EXPECT_EQ(bench.link.RxCount, kRxBufferSize);
    EXPECT_EQ(bench.link.ReadAvailable(), status::kOk);
    EXPECT_EQ(bench.link.RxCount, 100u);
}

TEST_F(PortTest, ShortFrames) {
    std::uint8_t data[] = {0x01, 0x00};
    EXPECT_EQ(bench.link.SendShortFrame(data, 2), status::kOk);
    EXPECT_EQ(bench.link.SendShortFrame(data, 0), status::kOk);
    EXPECT_EQ(device.Wire(), Bytes({0x02, 0x01, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00}));

    std::vector<std::uint8_t> many(253, 0x11);
    device.ClearWire();
    EXPECT_EQ(bench.link.SendShortFrame(many.data(), 253), status::kWriteFailed);
    EXPECT_EQ(bench.link.SendShortFrame(many.data(), 252), status::kOk);
    EXPECT_EQ(device.Wire().size(), 255u);
}

TEST_F(PortTest, DtrResetPulsesTheLineAfterConnecting) {
    EXPECT_EQ(bench.link.DtrReset(), status::kOk);
    EXPECT_EQ(peer.DtrChanges(), (std::vector<bool>{true, false}));
    EXPECT_EQ(bench.clock.NowMs(), 0u);  // no pause between the two

    bench.bus.faults().FailCall(DriverCall::kSetDtr);
    EXPECT_EQ(bench.link.DtrReset(), status::kLineFailed);
    EXPECT_EQ(bench.bus.faults().Calls(DriverCall::kClearDtr), 1);  // the clear was skipped

    bench.bus.faults().FailCall(DriverCall::kClearDtr);
    EXPECT_EQ(bench.link.DtrReset(), status::kLineFailed);
}

TEST_F(PortTest, DtrResetWithoutInterfaceTouchesNoLine) {
    LinkBench empty;
    EXPECT_EQ(empty.link.DtrReset(), status::kNoDevice);
    EXPECT_EQ(empty.bus.faults().Calls(DriverCall::kSetDtr), 0);
}

TEST_F(PortTest, PrimitivesWithoutAnOpenHandleFailWithTheirOwnCodes) {
    bench.link.CloseInterface();
    std::vector<int> before;
    for (int call = 0; call < kDriverCallCount; ++call)
        before.push_back(bench.bus.faults().Calls(static_cast<DriverCall>(call)));
    std::uint8_t byte = 0;
    EXPECT_EQ(bench.link.SetBaudRate(9600), status::kBaudRateFailed);
    EXPECT_EQ(bench.link.WritePort(&byte, 1), status::kWriteFailed);
    EXPECT_EQ(bench.link.SendShortFrame(&byte, 1), status::kWriteFailed);
    EXPECT_EQ(bench.link.ReadAvailable(), status::kQueueStatusFailed);
    EXPECT_EQ(bench.link.WaitForBytes(1, 100), status::kQueueStatusFailed);
    EXPECT_EQ(bench.link.SetRtsLine(), status::kSetRtsFailed);
    EXPECT_EQ(bench.link.ClearRtsLine(), status::kLineFailed);
    EXPECT_EQ(bench.link.SetDtrLine(), status::kLineFailed);
    EXPECT_EQ(bench.link.ClearDtrLine(), status::kLineFailed);
    for (int call = 0; call < kDriverCallCount; ++call)
        EXPECT_EQ(bench.bus.faults().Calls(static_cast<DriverCall>(call)), before[call])
            << DriverCallName(static_cast<DriverCall>(call));
}

TEST_F(PortTest, PassThroughButtons) {
    bench.link.ButtonAClick();
    EXPECT_TRUE(device.rts());
    EXPECT_TRUE(bench.window.IsVisible("Button5"));
    EXPECT_TRUE(bench.window.IsEnabled("Button5"));
    EXPECT_FALSE(bench.window.IsVisible("ButtonA"));
    EXPECT_EQ(bench.window.Colour("pnl6"), (Rgb{0, 255, 0}));
    EXPECT_EQ(bench.pane.Text(), " USB to RS485 mode has been activated...");

    bench.link.Button5Click();
    EXPECT_FALSE(device.rts());
    EXPECT_FALSE(bench.window.IsVisible("Button5"));
    EXPECT_TRUE(bench.window.IsVisible("ButtonA"));
    EXPECT_TRUE(bench.window.IsEnabled("ButtonA"));
    EXPECT_EQ(bench.window.Colour("pnl6"), (Rgb{255, 0, 0}));
    EXPECT_EQ(bench.pane.Text(), " USB to RS485 mode has been turned off...");
}

TEST_F(PortTest, PassThroughButtonsWithoutAnOpenHandle) {
    bench.link.CloseInterface();
    bench.window.SetVisible("Button5", false);
    bench.window.SetColour("pnl6", {192, 192, 192});
    for (auto click : {&Link::ButtonAClick, &Link::Button5Click}) {
        bench.console.ConsoleSet("x");
        (bench.link.*click)();
        EXPECT_EQ(bench.pane.Text(), " Function Error - Check Device Connection...");
        EXPECT_TRUE(bench.window.IsVisible("ButtonA"));
        EXPECT_FALSE(bench.window.IsVisible("Button5"));
        EXPECT_EQ(bench.window.Colour("pnl6"), (Rgb{192, 192, 192}));
    }
}

}  // namespace
}  // namespace ksm
