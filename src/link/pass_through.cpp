// The ZRD terminal's USB-RS485 pass-through, switched by the RTS line.
#include "link/link.h"

namespace ksm {
namespace {
constexpr Rgb kPassThroughOn{0, 255, 0};
constexpr Rgb kPassThroughOff{255, 0, 0};
constexpr std::string_view kFunctionError = " Function Error - Check Device Connection...";
}  // namespace

void Link::ButtonAClick() {
    if (SetRtsLine() != status::kOk) {
        console_.ConsoleSet(kFunctionError);
        return;
    }
    window_.SetVisible("Button5", true);
    window_.SetEnabled("Button5", true);
    window_.SetVisible("ButtonA", false);
    window_.SetColour("pnl6", kPassThroughOn);
    console_.ConsoleSet(" USB to RS485 mode has been activated...");
}

void Link::Button5Click() {
    if (ClearRtsLine() != status::kOk) {
        console_.ConsoleSet(kFunctionError);
        return;
    }
    window_.SetVisible("Button5", false);
    window_.SetVisible("ButtonA", true);
    window_.SetEnabled("ButtonA", true);
    window_.SetColour("pnl6", kPassThroughOff);
    console_.ConsoleSet(" USB to RS485 mode has been turned off...");
}

}  // namespace ksm
