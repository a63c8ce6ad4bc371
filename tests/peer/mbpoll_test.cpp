// A third-party Modbus master (mbpoll) reads the virtual module served by ksm-sim on a
// pseudo-terminal, in real time.

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

#include "peer/child_process.h"

namespace ksm::test {
namespace {

using std::chrono::milliseconds;

// Raw DS18B20 words, as the module reports them: 25.0, -10.125, 0.0625, 85.0, 125.0 degrees,
// a sensor missing (F060), a CRC error (F050), and ordinary silo temperatures.
const std::vector<std::uint16_t> kLevels = {0x0190, 0xFF5E, 0x0001, 0x0550, 0x07D0, 0xF060,
                                            0xF050, 0x00E0, 0x00E8, 0x00F0, 0x00F8, 0x0100,
                                            0x0108, 0x0110, 0x0118, 0x0120};

std::string LevelsOption() {
    std::ostringstream text;
    for (std::size_t i = 0; i < kLevels.size(); ++i) text << (i ? "," : "") << kLevels[i];
    return text.str();
}

// mbpoll's "[reference]: value" lines (references count from 1).
std::map<int, long> RegistersPrinted(const std::string& output) {
    std::map<int, long> registers;
    static const std::regex line(R"(\[(\d+)\]:\s+(\d+))");
    for (std::sregex_iterator it(output.begin(), output.end(), line), end; it != end; ++it)
        registers[std::stoi((*it)[1])] = std::stol((*it)[2]);
    return registers;
}

struct MbpollPeer : ::testing::Test {
    ChildProcess sim;
    std::string port;

    void SetUp() override {
        if (!PseudoTerminalsAvailable()) {
            GTEST_SKIP() << "no pseudo-terminal can be created here";
        }
        auto path = StartKsmSim(sim, {"--address", "7", "--levels", LevelsOption()});
        ASSERT_TRUE(path) << "ksm-sim did not name its port";
        port = *path;
    }
    void TearDown() override {
        if (!port.empty()) {
            EXPECT_EQ(sim.Stop(milliseconds(2000)), 0) << "ksm-sim did not end cleanly";
        }
    }

    // Runs mbpoll once against the port: its exit code and everything it printed.
    std::pair<std::optional<int>, std::string> Mbpoll(const std::string& baud,
                                                      const std::string& timeout_s) {
        ChildProcess mbpoll;
        EXPECT_TRUE(mbpoll.Start({"mbpoll", "-m", "rtu", "-a", "7", "-b", baud, "-P", "none", "-t",
                                  "4", "-r", "1", "-c", "16", "-o", timeout_s, "-1", port},
                                 true));
        std::string output = mbpoll.ReadAll(milliseconds(5000));
        return {mbpoll.Wait(milliseconds(5000)), output};
    }
};

TEST_F(MbpollPeer, ReadsTheLevelsOfTheTwinAsItsRawWords) {
    auto [code, output] = Mbpoll("9600", "1");
    EXPECT_EQ(code, 0) << output;
    std::map<int, long> registers = RegistersPrinted(output);
    ASSERT_EQ(registers.size(), kLevels.size()) << output;
    for (std::size_t q = 0; q < kLevels.size(); ++q) {
        EXPECT_EQ(registers[static_cast<int>(q) + 1], kLevels[q]) << "level " << q + 1;
    }
}

TEST_F(MbpollPeer, AMasterAtAnotherBaudRateGetsNoAnswer) {
    // The twin's UART runs at 9600: what a 19200-baud master sends arrives garbled and is
    // not a request to the module.
    auto [code, output] = Mbpoll("19200", "0.3");
    EXPECT_NE(code, 0) << output;
    EXPECT_TRUE(RegistersPrinted(output).empty()) << output;
}

}  // namespace
}  // namespace ksm::test
