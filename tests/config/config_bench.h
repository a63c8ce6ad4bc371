#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "protocol/service_frame.h"
#include "support/tool_bench.h"

namespace ksm::test {

// A line of the console with the colour it shows in.
struct ColouredLine {
    std::string text;
    Rgb colour;
    friend bool operator==(const ColouredLine&, const ColouredLine&) = default;
};
inline void PrintTo(const ColouredLine& line, std::ostream* out) {
    *out << '"' << line.text << "\" rgb(" << int(line.colour.r) << ',' << int(line.colour.g) << ','
         << int(line.colour.b) << ')';
}

// The whole tool as a user meets it after start: the windows as built, the module reset
// and in normal mode behind the interface.
struct ConfigBench : ToolBench {
    ConfigBench() { tool.Start(); }

    void EnterProgramMode() {
        ASSERT_TRUE(Click("Button38"));
        ASSERT_EQ(module.mode(), sim::VirtualModule::Mode::kProgram);
        ASSERT_TRUE(window.IsEnabled("Button39"));
        tone.clear();
        device.ClearWire();
    }

    std::vector<ColouredLine> ColouredLines() const {
        std::vector<ColouredLine> lines;
        std::vector<std::string> texts = pane.Lines();
        for (std::size_t i = 0; i < texts.size(); ++i)
            lines.push_back({texts[i], pane.LineColour(i)});
        return lines;
    }
    // Whether every byte of the console shows in one colour.
    bool AllInColour(Rgb colour) const {
        for (std::size_t i = 0; i < pane.Text().size(); ++i) {
            if (!(pane.ColourAt(i) == colour)) return false;
        }
        return true;
    }

    // The last service frame the PC sent, as its bytes left the interface, unscrambled.
    ServiceFrame LastFrameOnWire() const {
        const std::vector<std::uint8_t>& wire = device.Wire();
        ServiceFrame frame{};
        if (wire.size() < frame.size()) {
            ADD_FAILURE() << "no service frame on the wire";
            return frame;
        }
        std::copy(wire.end() - frame.size(), wire.end(), frame.begin());
        UnscrambleReply(frame);
        EXPECT_TRUE(FrameChecksMatch(frame));
        return frame;
    }

    // Window state of the control sets, as the user sees it.
    bool InProgramModeControls() const {
        return !window.IsEnabled("Button38") && window.IsEnabled("Button39") &&
               window.IsEnabled("btn15") && window.IsEnabled("ComboBox1") &&
               window.IsEnabled("btn12") && window.IsEnabled("Button0") &&
               !window.IsEnabled("btn3") && !window.IsEnabled("ComboBox2");
    }
    bool InNormalModeControls() const {
        return window.IsEnabled("Button38") && !window.IsEnabled("Button39") &&
               !window.IsEnabled("btn15") && !window.IsEnabled("ComboBox1") &&
               !window.IsEnabled("btn12") && !window.IsEnabled("Button0") &&
               window.IsEnabled("btn3") && window.IsEnabled("ComboBox2");
    }
    bool InBusyControls() const {
        return !window.IsEnabled("Button38") && !window.IsEnabled("Button39") &&
               !window.IsEnabled("btn15") && !window.IsEnabled("btn12") &&
               !window.IsEnabled("Button0") && !window.IsEnabled("btn3") &&
               !window.IsEnabled("Button37");
    }
};

// The two ways a command ends before its frame: no interface (the connection's own report)
// and a refused baud rate (reported as the failed change of speed).
struct LinkFailure {
    const char* name;
    std::function<void(ConfigBench&)> arrange;
    std::vector<std::string> lines;
};
inline std::vector<LinkFailure> LinkFailures() {
    return {
        {"no interface",
         [](ConfigBench& b) { b.bus.Unplug(b.device); },
         {"Error: 00.08", StatusMessage(status::kNoDevice)}},
        {"baud rate refused",
         [](ConfigBench& b) { b.bus.faults().FailCall(DriverCall::kSetBaudRate, 2); },
         {"Error: 00.20", StatusMessage(status::kBaudRateChangeFailed)}},
    };
}

inline std::string HexDump(const std::uint8_t* bytes, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += HexByte(bytes[i]) + " ";
    return text;
}

}  // namespace ksm::test
