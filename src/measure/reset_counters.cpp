// The module's own counters of its resets, by cause.
#include <array>
#include <string_view>

#include "measure/measurements.h"
#include "measure/reading.h"
#include "protocol/catalogue.h"

namespace ksm {
namespace {

struct CounterLine {
    std::string_view label;  // padded with dots to one width
    std::size_t at;          // byte offset of the counter in the reply
};

// In the order they are listed; the first starts after an empty line.
constexpr std::array<CounterLine, 6> kCounterLines = {{
    {"\n Reset Total................................... ", 3},
    {" POW - (Turn off MAIN/USB voltage)............. ", 13},
    {" EXT - (Reset via USB)......................... ", 11},
    {" B0D - (Drop SYSTEM voltage under 4.0V)........ ", 9},
    {" WDT - (Reset via WatchDog Timer).............. ", 7},
    {" JTG - (Reset via JTAG)........................ ", 5},
}};

}  // namespace

StatusCode Measurements::CounterCommand(std::uint8_t address, std::uint8_t sub_function) {
    const std::uint16_t reply_length = sub_function == catalogue::kCountersRead
                                           ? catalogue::kCountersReadReplyLength
                                           : catalogue::kCountersOtherReplyLength;
    StatusCode result =
        StartReading(link_, address, catalogue::kCounters, sub_function, reply_length);
    if (result != status::kOk) return result;
    Console& console = link_.console();
    console.ConsoleSetColour(RxDumpColour);
    console.ConsoleInsert(ReplyHex(link_));

    if (sub_function == catalogue::kCountersClear) {
        console.ConsoleSetColour(NoticeColour);
        console.ConsoleAddLine("\n Parameters cleared...");
    } else if (sub_function == catalogue::kCountersRead) {
        console.ConsoleSetColour(NoticeColour);
        for (const CounterLine& line : kCounterLines)
            console.ConsoleAddLine(std::string(line.label) +
                                   std::to_string(ReplyWord(link_, line.at)));
    }
    return status::kOk;
}

void Measurements::BitBtn1Click() {
    RunFromButton(
        [this](std::uint8_t address) { return CounterCommand(address, catalogue::kCountersRead); });
}

void Measurements::BitBtn2Click() {
    RunFromButton([this](std::uint8_t address) {
        return CounterCommand(address, catalogue::kCountersClear);
    });
}

}  // namespace ksm
