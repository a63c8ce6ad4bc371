// The whole tool (ksm-tool --serial --port) on the offscreen platform against the virtual
// module that ksm-sim serves on a pseudo-terminal, driven by its hidden options --click and
// --dump.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "peer/child_process.h"

namespace ksm::test {
namespace {

using std::chrono::milliseconds;

struct ToolRun {
    std::optional<int> code;
    std::vector<std::string> lines;
    bool Has(const std::string& line) const {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

ToolRun RunTool(const std::vector<std::string>& options) {
    std::vector<std::string> argv{KSM_TOOL_PROGRAM};
    argv.insert(argv.end(), options.begin(), options.end());
    ChildProcess tool;
    // Qt's own allocations outlive the program; only the tool's errors matter here.
    EXPECT_TRUE(
        tool.Start(argv, false, {"QT_QPA_PLATFORM=offscreen", "ASAN_OPTIONS=detect_leaks=0"}));
    std::istringstream output(tool.ReadAll(milliseconds(15000)));
    ToolRun run;
    run.code = tool.Wait(milliseconds(5000));
    for (std::string line; std::getline(output, line);) run.lines.push_back(line);
    return run;
}

std::string Describe(const ToolRun& run) {
    std::string text;
    for (const std::string& line : run.lines) text += line + "\n";
    return text;
}

struct ToolOnSerialPort : ::testing::Test {
    ChildProcess sim;
    std::string port;

    void SetUp() override {
        if (!PseudoTerminalsAvailable()) {
            GTEST_SKIP() << "no pseudo-terminal can be created here";
        }
        auto path = StartKsmSim(sim, {"--levels", "0x0190,0xFF5E,0xF060"});
        ASSERT_TRUE(path) << "ksm-sim did not name its port";
        port = *path;
    }
    void TearDown() override {
        if (!port.empty()) {
            EXPECT_EQ(sim.Stop(milliseconds(2000)), 0) << "ksm-sim did not end cleanly";
        }
    }
};

TEST_F(ToolOnSerialPort, ListsThePortWithItsDescriptionAndConnects) {
    ToolRun run = RunTool({"--port", port, "--click", "Button3", "--dump"});
    EXPECT_EQ(run.code, 0) << Describe(run);
    EXPECT_TRUE(run.Has("console: TORVIK Device detected...")) << Describe(run);
    EXPECT_TRUE(run.Has("StringGrid1 0 1: TORVIK ZRD")) << Describe(run);
    EXPECT_TRUE(run.Has("StringGrid1 2 1: free ")) << Describe(run);
}

TEST_F(ToolOnSerialPort, ReadsTheTemperaturesThroughThePort) {
    // "Wykonaj Odczyt Temperatur" on the measurements tab, module address 1.
    ToolRun run = RunTool({"--serial", "--port", port, "--click", "btn7", "--dump"});
    EXPECT_EQ(run.code, 0) << Describe(run);
    EXPECT_TRUE(run.Has("console: 01 03 00 00 00 10 44 06 ")) << Describe(run);
    EXPECT_TRUE(
        run.Has("console: 01 03 20 01 90 FF 5E F0 60 00 F8 01 00 01 08 01 10 01 18 01 20 "
                "01 28 01 30 01 38 01 40 01 48 01 50 01 58 17 A4 "))
        << Describe(run);
    EXPECT_TRUE(run.Has("StringGrid3 1 1:      25.00")) << Describe(run);
    EXPECT_TRUE(run.Has("StringGrid3 1 2:      -10.13")) << Describe(run);
    EXPECT_TRUE(run.Has("StringGrid3 1 3:      -250.00")) << Describe(run);
    EXPECT_TRUE(run.Has("StringGrid3 1 16:      21.50")) << Describe(run);
    EXPECT_TRUE(run.Has("StringGrid2 4 1: 25.00")) << Describe(run);
}

TEST_F(ToolOnSerialPort, APortWithAnotherDescriptionIsNotTheInterface) {
    ToolRun run =
        RunTool({"--serial", "--port", port + "=USB Serial", "--click", "Button3", "--dump"});
    EXPECT_EQ(run.code, 0) << Describe(run);
    EXPECT_TRUE(run.Has("StringGrid1 0 1: USB Serial")) << Describe(run);
    EXPECT_FALSE(run.Has("console: TORVIK Device detected...")) << Describe(run);
    EXPECT_TRUE(run.Has("console: Error: 00.14")) << Describe(run);
}

}  // namespace
}  // namespace ksm::test
