// The developer service buttons: one frame each, the reply shown in hexadecimal as it came.
#include <string>

#include "config/command_frame.h"
#include "config/config_operations.h"
#include "link/control_sets.h"

namespace ksm {

struct ServiceDump {
    catalogue::ServiceCommand command;
    std::string_view combo = {};  // the parameter's combo box; none: parameter 0
    // Module controls disabled once the interface is open, the program-mode set at the end;
    // otherwise the control state is not touched.
    bool program_controls = false;
    bool clear_before_send = false;
    bool clear_before_dump = false;
    // Which reply bytes are shown (byte 0 is the status byte).
    std::size_t first, count;
    std::string_view label;
    // The label names the command sent instead of the failure code.
    bool label_names_command = false;
    // The APC display is ended before the frame goes out.
    bool ends_apc = false;
};

namespace {

constexpr ServiceDump kReadEeprom{.command = catalogue::kReadEeprom,
                                  .clear_before_dump = true,
                                  .first = 1,
                                  .count = 127,
                                  .label = "\nError 70.00("};
constexpr ServiceDump kReadEepromLow{.command = catalogue::kReadEepromLow,
                                     .combo = "ComboBox1",
                                     .program_controls = true,
                                     .clear_before_dump = true,
                                     .first = 1,
                                     .count = 64,
                                     .label = "\nError 20.01("};
constexpr ServiceDump kReadEepromHigh{.command = catalogue::kReadEepromHigh,
                                      .combo = "ComboBox1",
                                      .program_controls = true,
                                      .first = 1,
                                      .count = 65,
                                      .label = "\nError 20.01("};
constexpr ServiceDump kSpiRead{.command = catalogue::kFetchSerials,
                               .combo = "ComboBox1",
                               .clear_before_dump = true,
                               .first = 1,
                               .count = 127,
                               .label = "\nError A0.00("};
constexpr ServiceDump kFetchSerials{.command = catalogue::kFetchSerials,
                                    .clear_before_send = true,
                                    .clear_before_dump = true,
                                    .first = 1,
                                    .count = 100,
                                    .label = "\nError 70.02("};
// The status byte too.
constexpr ServiceDump kTestCommand{.command = catalogue::kApcPollSecond,
                                   .first = 0,
                                   .count = 128,
                                   .label = "\nError komenda:",
                                   .label_names_command = true,
                                   .ends_apc = true};

}  // namespace

void config::DumpBytes(Console& console, const std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) console.ConsoleAppend(HexByte(bytes[i]) + " ");
}

void ConfigOperations::RunServiceDump(const ServiceDump& dump) {
    Console& console = link_.console();
    Window& window = link_.window();
    if (dump.ends_apc) {
        window.SetTimerEnabled("Timer3", false);
        CloseApc();
    }
    ServiceFrame frame = config::CommandFrame({0, 0}, 0);

    StatusCode connected = link_.ConnectInterface();
    if (dump.program_controls) BusyControls(window);
    if (connected == status::kOk) {
        if (!SetBaudRateOrReport()) {
        } else {
            frame[1] = dump.command.command;
            frame[2] = dump.command.sub;
            frame[3] = dump.combo.empty() ? 0 : config::ComboParameter(window, dump.combo, 0);
            if (dump.clear_before_send) console.ConsoleSet("");
            std::uint8_t result = SendFrame(frame);
            if (result == status::kOk) {
                if (dump.clear_before_dump) console.ConsoleSet("");
                config::DumpBytes(console, link_.RxBuffer.data() + dump.first, dump.count);
            } else if (dump.label_names_command) {
                console.ConsoleAppend(std::string(dump.label) + HexByte(frame[1]) + "." +
                                      HexByte(frame[2]));
            } else {
                console.ConsoleAppend(config::ErrorLabel(dump.label, result));
            }
        }
    }
    if (dump.program_controls) ProgramModeControls(window);
}

void ConfigOperations::btn10Click() { RunServiceDump(kReadEeprom); }
void ConfigOperations::Button7Click() { RunServiceDump(kReadEepromLow); }
void ConfigOperations::Button14Click() { RunServiceDump(kReadEepromHigh); }
void ConfigOperations::btn14Click() { RunServiceDump(kSpiRead); }
void ConfigOperations::Button4Click() { RunServiceDump(kFetchSerials); }
void ConfigOperations::Button9Click() { RunServiceDump(kTestCommand); }

}  // namespace ksm
