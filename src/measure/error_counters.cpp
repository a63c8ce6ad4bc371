#include "measure/error_counters.h"

namespace ksm {
namespace {

struct CounterLabel {
    std::string_view label;
    std::string_view words;
};

// In the order of ErrorCounter. Label21 and Label22 carry the same words although they
// count different statuses, as the window has always shown them.
constexpr std::array<CounterLabel, kErrorCounterCount> kLabels = {{
    {"Label17", "Inne bledy USB: "},
    {"Label19", "Bledy Presence 1W: "},
    {"Label20", "Bledy CRC 1W: "},
    {"Label21", "Bledy FT_READ: "},
    {"Label22", "Bledy FT_READ: "},
    {"Label23", "Licznik Braku Danych: "},
}};

}  // namespace

void ErrorCounters::Increment(ErrorCounter counter, Window& window) {
    std::uint16_t& count = counts_[Index(counter)];
    count = static_cast<std::uint16_t>(count + 1);
    window.SetText(Label(counter), Caption(counter));
}

std::string ErrorCounters::Caption(ErrorCounter counter) const {
    return std::string(kLabels[Index(counter)].words) + std::to_string(Count(counter));
}

std::string_view ErrorCounters::Label(ErrorCounter counter) {
    return kLabels[Index(counter)].label;
}

void ErrorCounters::Reset(Window& window) {
    counts_.fill(0);
    for (const CounterLabel& entry : kLabels) window.SetText(entry.label, kUncountedCaption);
}

}  // namespace ksm
