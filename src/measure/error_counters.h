#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/window.h"

namespace ksm {

// The counters of failed readings, each shown on a hidden label of the main window.
enum class ErrorCounter {
    kOtherErrors,            // any other nonzero result
    kOneWirePresenceErrors,  // a level read -250.0
    kOneWireCrcErrors,       // a level read -251.0
    kReadErrors,             // a manual read ended with 15
    kStatusErrors,           // a read ended with 16
    kNoDataErrors,           // a read ended with 17
};
inline constexpr std::size_t kErrorCounterCount = 6;

// Six 16-bit counters that wrap at 65535; zeroed only by the logger reset.
class ErrorCounters {
  public:
    std::uint16_t Count(ErrorCounter counter) const { return counts_[Index(counter)]; }
    // One more, and the label rewritten.
    void Increment(ErrorCounter counter, Window& window);
    // What the label shows after an increment: its words and the count.
    std::string Caption(ErrorCounter counter) const;
    static std::string_view Label(ErrorCounter counter);
    // All to zero, every label back to "...".
    void Reset(Window& window);

  private:
    static std::size_t Index(ErrorCounter counter) { return static_cast<std::size_t>(counter); }
    std::array<std::uint16_t, kErrorCounterCount> counts_{};
};

// The caption of a counter label that has not counted since the last reset.
inline constexpr std::string_view kUncountedCaption = "...";

}  // namespace ksm
