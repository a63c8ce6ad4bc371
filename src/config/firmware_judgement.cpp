// The firmware families and what each one means for the segregation of a probe.
#include "config/firmware_judgement.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "link/status_codes.h"

namespace ksm {
namespace {

struct Line {
    Rgb colour;
    std::string_view text;
};

struct Family {
    std::array<Line, 4> lines;
    std::size_t line_count;
    // The line for a major byte whose low half is 0, and for one whose low half is not.
    std::optional<Line> sound, unsound;
};

constexpr Line kMaxSensors{ValueColour, "\nFirmware support max. 16 sensors per channel!"};
constexpr Line kWrongVersion{ErrorColour,
                             "\nWrong firmware version please contact TORVIK support..."};
constexpr Line kChangeFirmware{ErrorColour,
                               "\nChange firmware if you use TORVIK standard probe..."};

constexpr std::string_view kStandardFeatures =
    "Connected module has firmware that supports standard features of sensor segregation.";
constexpr std::string_view kTorvikProbes =
    "Automatic segregation is working correctly for probes made according to TORVIK "
    "standard...";
constexpr std::string_view kRaveltoneProbes =
    "Automatic segregation is working correctly for SOME probes made according to RAVELTONE "
    "standard...";
constexpr std::string_view kBelunProbes =
    "Automatic segregation is working correctly for probes made according to BELUN "
    "standard...";

const std::array<Family, 3> kFamilies = {{
    {{{{NoticeColour, ""}, {NoticeColour, kStandardFeatures}, {NoticeColour, kTorvikProbes}}},
     3,
     kMaxSensors,
     kWrongVersion},
    {{{{ErrorColour, ""},
       {ErrorColour, "Connected module has firmware version 1x.xx"},
       {ErrorColour, kRaveltoneProbes},
       kChangeFirmware}},
     4,
     Line{ValueColour, "\nFirmware support max. 16 sensors per channel !"},
     Line{ErrorColour, "\nFirmware version error"}},
    {{{{ErrorColour, ""},
       {ErrorColour, "Connected module has firmware version 2x.xx"},
       {ErrorColour, kBelunProbes},
       kChangeFirmware}},
     4,
     kMaxSensors,
     kWrongVersion},
}};
// Families 3 to 15 do not exist.
const Family kNoFamily{
    {{{ErrorColour, ""}, {ErrorColour, "Wrong firmware version please contact TORVIK support..."}}},
    2,
    std::nullopt,
    std::nullopt};

constexpr std::string_view kOldFirmware =
    "\nConnected module has old firmware.\nYou have to update firmware to version:: ";

void AddLine(Console& console, const Line& line) {
    console.ConsoleSetColour(line.colour);
    console.ConsoleAddLine(line.text);
}

}  // namespace

void JudgeFirmware(Console& console, std::uint8_t major, std::uint8_t minor) {
    std::size_t family_index = major >> 4;
    const Family& family = family_index < kFamilies.size() ? kFamilies[family_index] : kNoFamily;
    for (std::size_t i = 0; i < family.line_count; ++i) AddLine(console, family.lines[i]);
    const std::optional<Line>& last = (major & 0x0F) == 0 ? family.sound : family.unsound;
    if (last) AddLine(console, *last);

    // Only the minor byte counts here, whatever the family.
    constexpr auto kMinimumMajor = static_cast<std::uint8_t>(MinimumFirmwareVersion >> 8);
    constexpr auto kMinimumMinor = static_cast<std::uint8_t>(MinimumFirmwareVersion & 0xFF);
    if (minor < kMinimumMinor) {
        console.ConsoleSetColour(ErrorColour);
        console.ConsoleAddLine(std::string(kOldFirmware) + HexByte(kMinimumMajor) + "." +
                               HexByte(kMinimumMinor));
    }
}

}  // namespace ksm
