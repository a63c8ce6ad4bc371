// The single writes of the module configuration, the version read and the module reset.
#include <string>

#include "config/command_frame.h"
#include "config/config_operations.h"
#include "link/control_sets.h"

namespace ksm {

// One command of the configuration tab: the frame it sends with the parameter from a combo
// box, and what it shows.
struct ConfigCommand {
    catalogue::ServiceCommand command;
    std::string_view combo;
    int offset;  // added to the item index
    // The console text on success, from the parameter sent and the reply.
    std::string (*success)(std::uint8_t parameter, const Link& link);
    std::string_view label;
    // The version read disables the module controls only once the interface is open.
    bool busy_after_connect;
};

namespace {

template <const char* kText>
std::string Fixed(std::uint8_t, const Link&) {
    return kText;
}

constexpr char kAddressWritten[] = "Adres wpisany do pamięci poprawnie...";
constexpr char kIntervalWritten[] = "Interwał Pomiarowy wpisany do pamięci poprawnie...";
constexpr char kWorkTypeWritten[] = "Obsluga SHTxx wpisana do pamięci poprawnie...";

std::string AddressingTypeWritten(std::uint8_t parameter, const Link&) {
    return parameter == 0 ? "Aktywny Adres z pamieci EEPROM..." : "Aktywny Adres Hardwarowy...";
}

std::string VersionRead(std::uint8_t, const Link& link) {
    return "Wersja oprogramowania: " + HexByte(link.RxBuffer[1]) + "." + HexByte(link.RxBuffer[2]);
}

constexpr ConfigCommand kWriteAddress{.command = catalogue::kWriteAddress,
                                      .combo = "ComboBox1",
                                      .offset = 0,
                                      .success = Fixed<kAddressWritten>,
                                      .label = "\nError 70.00(",
                                      .busy_after_connect = false};
// The combo box lists intervals from 1 s.
constexpr ConfigCommand kWriteInterval{.command = catalogue::kWriteInterval,
                                       .combo = "ComboBox3",
                                       .offset = 1,
                                       .success = Fixed<kIntervalWritten>,
                                       .label = "\nError 70.01(",
                                       .busy_after_connect = false};
constexpr ConfigCommand kWriteAddressingType{.command = catalogue::kWriteAddressingType,
                                             .combo = "ComboBox6",
                                             .offset = 0,
                                             .success = AddressingTypeWritten,
                                             .label = "\nError 70.03(",
                                             .busy_after_connect = false};
constexpr ConfigCommand kWriteWorkType{.command = catalogue::kWriteWorkType,
                                       .combo = "ComboBox7",
                                       .offset = 0,
                                       .success = Fixed<kWorkTypeWritten>,
                                       .label = "\nError 70.04(",
                                       .busy_after_connect = false};
constexpr ConfigCommand kReadVersion{.command = catalogue::kVersionRead,
                                     .combo = "ComboBox1",
                                     .offset = 0,
                                     .success = VersionRead,
                                     .label = "\nError 20.01(",
                                     .busy_after_connect = true};

constexpr std::string_view kResetLabel = "\nError 20.01(";

}  // namespace

void ConfigOperations::RunConfigCommand(const ConfigCommand& command) {
    Console& console = link_.console();
    Window& window = link_.window();
    ServiceFrame frame = config::CommandFrame({0, 0}, 0);

    if (!command.busy_after_connect) BusyControls(window);
    StatusCode connected = link_.ConnectInterface();
    if (command.busy_after_connect) BusyControls(window);
    if (connected == status::kOk) {
        if (!SetBaudRateOrReport()) {
        } else {
            frame[1] = command.command.command;
            frame[2] = command.command.sub;
            frame[3] = config::ComboParameter(window, command.combo, command.offset);
            std::uint8_t result = SendFrame(frame);
            if (result == status::kOk) {
                console.ConsoleSet(command.success(frame[3], link_));
            } else {
                console.ConsoleAppend(config::ErrorLabel(command.label, result));
            }
        }
    }
    // The module stays in program mode whatever happened.
    ProgramModeControls(window);
}

void ConfigOperations::btn12Click() { RunConfigCommand(kWriteAddress); }
void ConfigOperations::btn11Click() { RunConfigCommand(kWriteInterval); }
void ConfigOperations::Button41Click() { RunConfigCommand(kWriteAddressingType); }
void ConfigOperations::Button13Click() { RunConfigCommand(kWriteWorkType); }
void ConfigOperations::Button17Click() { RunConfigCommand(kReadVersion); }

void ConfigOperations::Button0Click() {
    Console& console = link_.console();
    Window& window = link_.window();
    BusyControls(window);
    if (!ConnectAndSetBaudRate()) {
        ProgramModeControls(window);
        return;
    }
    const ServiceFrame frame = config::CommandFrame(catalogue::kResetModule,
                                                    config::ComboParameter(window, "ComboBox1", 0));
    // The module restarts while it acknowledges: any byte back counts.
    std::uint8_t result =
        ServiceTransaction(link_, frame, kServiceFrameSize, catalogue::kServiceTimeoutMs,
                           catalogue::kResetReplyLength);
    if (result == status::kOk) {
        console.ConsoleSet("Reset Code OK...");
    } else {
        console.ConsoleAppend(config::ErrorLabel(kResetLabel, result));
    }
    // Whether or not the acknowledgement came, a reset module is back in normal mode.
    NormalModeControls(window);
    CloseApc();
}

}  // namespace ksm
