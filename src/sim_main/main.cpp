// ksm-sim: the virtual KSM module on a pseudo-terminal, for programs that open serial ports.
// Prints the path of the port it serves on one line, then serves it until SIGINT or SIGTERM.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "link/clock.h"
#include "sim/pty_server.h"
#include "sim/virtual_module.h"

namespace {

volatile std::sig_atomic_t stop_requested = 0;

void RequestStop(int) { stop_requested = 1; }

constexpr const char* kUsage =
    "Usage: ksm-sim [--address N] [--levels W1,W2,...]\n"
    "  --address N     Modbus address of the module, 1-247 (default 1)\n"
    "  --levels W,...  raw DS18B20 words of levels 1, 2, ... (decimal or 0x hex; up to 16)\n";

bool ParseNumber(std::string_view text, unsigned long max, unsigned long& value) {
    std::string copy(text);
    char* end = nullptr;
    errno = 0;
    value = std::strtoul(copy.c_str(), &end, 0);
    return !copy.empty() && copy[0] != '-' && errno == 0 && *end == '\0' && value <= max;
}

bool ParseLevels(std::string_view text, ksm::sim::ModuleState& state) {
    std::size_t level = 0;
    while (!text.empty()) {
        std::size_t comma = text.find(',');
        unsigned long word = 0;
        if (level == state.levels.size() || !ParseNumber(text.substr(0, comma), 0xFFFF, word))
            return false;
        state.levels[level++] = static_cast<std::uint16_t>(word);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return level > 0;
}

bool ParseArguments(int argc, char** argv, ksm::sim::ModuleState& state) {
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        bool has_value = i + 1 < argc;
        unsigned long address = 0;
        if (argument == "--address" && has_value && ParseNumber(argv[i + 1], 247, address) &&
            address > 0) {
            state.address = static_cast<std::uint8_t>(address);
            ++i;
        } else if (argument == "--levels" && has_value && ParseLevels(argv[i + 1], state)) {
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    ksm::sim::VirtualModule module;
    if (!ParseArguments(argc, argv, module.state())) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    ksm::SteadyClock clock;
    ksm::sim::PtyServer server(module, clock);
    if (!server.Open()) {
        std::fprintf(stderr, "ksm-sim: no pseudo-terminal can be created: %s\n",
                     std::strerror(errno));
        return 1;
    }
    std::printf("%s\n", server.PortPath().c_str());
    std::fflush(stdout);

    // A 1 ms step keeps a reply within a millisecond of its due time on the port.
    while (!stop_requested) server.Step(1);
    return 0;
}
