// The tool's link, through the serial-port backend, against the virtual module that ksm-sim
// serves on a pseudo-terminal, in real time.

#include <gtest/gtest.h>

#include "link/serial_driver.h"
#include "peer/child_process.h"
#include "protocol/catalogue.h"
#include "protocol/modbus.h"
#include "sim/memory_window.h"
#include "sim/sim_bus.h"

namespace ksm::test {
namespace {

using std::chrono::milliseconds;

TEST(KsmSimPeer, TheLinkReadsTheLevelsWithTheirWireTime) {
    if (!PseudoTerminalsAvailable()) {
        GTEST_SKIP() << "no pseudo-terminal can be created here";
    }
    ChildProcess sim;
    auto port = StartKsmSim(sim, {"--levels", "0x0190,0xFF5E,0xF060"});
    ASSERT_TRUE(port);

    SteadyClock clock;
    NoMessagePump pump;
    ConsoleTextModel pane;
    Console console(pane);
    sim::MemoryWindow window(clock);
    SerialDriver driver({{*port, "TORVIK ZRD", ""}}, "/nonexistent-sysfs");
    Link link(driver, clock, pump, console, window);
    ASSERT_EQ(link.ConnectInterface(), status::kOk);
    EXPECT_EQ(window.Cell("StringGrid1", 0, 1), "TORVIK ZRD");

    const std::uint8_t request[] = {1, catalogue::kReadLevels, 0, 0, 0, catalogue::kLevelCount};
    std::uint64_t start = clock.NowUs();
    ASSERT_EQ(ModbusTransaction(link, request, sizeof request, catalogue::kModbusTimeoutMs,
                                catalogue::kLevelsReplyLength),
              0)
        << pane.Text();
    double elapsed_us = static_cast<double>(clock.NowUs() - start);
    // The request (8 bytes), the silence that ends it (3.5 byte times) and the reply (37
    // bytes) take their time on a 9600-baud line, whatever the pseudo-terminal could do.
    EXPECT_GE(elapsed_us, (8 + 3.5 + 37) * sim::ByteTimeUs(9600));
    EXPECT_EQ(link.RxCount, catalogue::kLevelsReplyLength);
    EXPECT_EQ(link.RxBuffer[3] << 8 | link.RxBuffer[4], 0x0190);
    EXPECT_EQ(link.RxBuffer[5] << 8 | link.RxBuffer[6], 0xFF5E);
    EXPECT_EQ(link.RxBuffer[7] << 8 | link.RxBuffer[8], 0xF060);
    link.CloseInterface();
    EXPECT_EQ(sim.Stop(milliseconds(2000)), 0);
}

TEST(KsmSimPeer, EndsCleanlyOnAnInterrupt) {
    if (!PseudoTerminalsAvailable()) {
        GTEST_SKIP() << "no pseudo-terminal can be created here";
    }
    ChildProcess sim;
    ASSERT_TRUE(StartKsmSim(sim));
    sim.Signal(SIGINT);
    EXPECT_EQ(sim.Wait(milliseconds(2000)), 0);
}

TEST(KsmSimPeer, AWrongOptionShowsTheUsage) {
    ChildProcess sim;
    ASSERT_TRUE(sim.Start({KSM_SIM_PROGRAM, "--levels", "1,x"}, true));
    std::string output = sim.ReadAll(milliseconds(5000));
    EXPECT_EQ(sim.Wait(milliseconds(2000)), 2);
    EXPECT_NE(output.find("Usage: ksm-sim"), std::string::npos) << output;
}

}  // namespace
}  // namespace ksm::test
