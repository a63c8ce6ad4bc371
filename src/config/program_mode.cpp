// Entering and leaving program mode, and saving the configuration.
#include <algorithm>
#include <array>
#include <string>

#include "config/command_frame.h"
#include "config/config_operations.h"
#include "config/firmware_judgement.h"
#include "link/control_sets.h"
#include "protocol/modbus.h"

namespace ksm {
namespace {

// The program-mode request is built in this buffer and the version read after it is sent
// from the same buffer, so the version frame carries letters of the word and the 0xFF fill.
constexpr std::size_t kRequestBufferSize = 255;
constexpr std::uint8_t kRequestFill = 0xFF;

// Fields of the reply to the program-mode request.
constexpr std::size_t kReplyAddress = 0;
constexpr std::size_t kReplyInterval = 3;
constexpr std::size_t kReplyAddressingType = 4;
constexpr std::size_t kReplyWorkType = 5;
constexpr std::uint8_t kHighestAddress = 247;

constexpr std::uint32_t kLowToneHz = 730;
constexpr std::uint32_t kHighToneHz = 850;
constexpr std::uint32_t kToneMs = 70;

constexpr std::string_view kBaudRateLabel = "\nError 57.AB(";
constexpr std::string_view kRequestLabel = "\nError 30.00(";
constexpr std::string_view kVersionLabel = "\nError 20.01(";
constexpr std::string_view kLeaveLabel = "\nError AA.55(";
constexpr std::string_view kSaveLabel = "\nError 70.02(";

}  // namespace

void ConfigOperations::Signal(std::uint32_t first_hz, std::uint32_t second_hz) {
    tone_.Play(first_hz, kToneMs);
    tone_.Play(second_hz, kToneMs);
}

void ConfigOperations::CloseApc() {
    link_.window().ShowApcWindow(false);
    link_.window().SetEnabled("Button37", false);
}

void ConfigOperations::Button38Click() {
    Console& console = link_.console();
    Window& window = link_.window();
    const std::string_view word = catalogue::kProgramModeWord;
    std::array<std::uint8_t, kRequestBufferSize> buffer;
    buffer.fill(kRequestFill);
    buffer[0] = static_cast<std::uint8_t>(word[0]);

    if (StatusCode status = link_.ConnectInterface(); status != status::kOk) {
        ReportError(console, status);
        return;
    }
    window.SetTimerEnabled("Timer1", false);
    if (StatusCode status = link_.SetBaudRate(link_.LinkBaudRate); status != status::kOk) {
        console.ConsoleAppend(
            config::ErrorLabel(kBaudRateLabel, static_cast<std::uint8_t>(status)));
        return;
    }

    std::copy(word.begin() + 1, word.end(), buffer.begin() + 1);
    std::uint8_t result =
        ModbusTransaction(link_, buffer.data(), static_cast<std::uint8_t>(word.size()),
                          catalogue::kModbusTimeoutMs, catalogue::kProgramModeReplyLength);
    if (result != status::kOk) {
        console.ConsoleAppend(config::ErrorLabel(kRequestLabel, result));
        return;
    }
    std::array<std::uint8_t, catalogue::kProgramModeReplyLength> reply;
    std::copy_n(link_.RxBuffer.begin(), reply.size(), reply.begin());

    ProgramModeControls(window);
    console.ConsoleClear();
    console.ConsoleSetColour(NoticeColour);
    console.ConsoleAddLine("Program Mode ON...");
    console.ConsoleSetColour(ValueColour);
    console.ConsoleAddLine("Device Adress: " + std::to_string(reply[kReplyAddress]));
    console.ConsoleSetColour(ValueColour);
    console.ConsoleAddLine("Measure Interval: " + std::to_string(reply[kReplyInterval]) + " sec.");
    if (reply[kReplyAddress] > kHighestAddress) {
        console.ConsoleSetColour(ErrorColour);
        console.ConsoleAddLine("Device Adress Error: " + std::to_string(reply[kReplyAddress]));
    }
    // An index outside a list leaves the combo box without selection.
    window.SetItemIndex("ComboBox1", reply[kReplyAddress]);
    window.SetItemIndex("ComboBox3", reply[kReplyInterval] - 1);
    window.SetItemIndex("ComboBox6", reply[kReplyAddressingType]);
    window.SetItemIndex("ComboBox7", reply[kReplyWorkType]);

    buffer[1] = catalogue::kVersionRead.command;
    buffer[2] = catalogue::kVersionRead.sub;
    ServiceFrame frame;
    std::copy_n(buffer.begin(), frame.size(), frame.begin());
    result = SendFrame(frame);
    if (result != status::kOk) {
        console.ConsoleAppend(config::ErrorLabel(kVersionLabel, result));
        return;
    }
    std::uint8_t major = link_.RxBuffer[1], minor = link_.RxBuffer[2];
    Signal(kLowToneHz, kHighToneHz);
    JudgeFirmware(console, major, minor);
}

void ConfigOperations::Button39Click() {
    Console& console = link_.console();
    Window& window = link_.window();
    const ServiceFrame frame = config::CommandFrame(catalogue::kLeaveProgramMode, 0);

    if (link_.ConnectInterface() != status::kOk) return;
    if (!SetBaudRateOrReport()) {
        ProgramModeControls(window);
        return;
    }
    std::uint8_t result = SendFrame(frame);
    if (result == status::kOk) {
        NormalModeControls(window);
        console.ConsoleSet("Program Mode OFF...");
        CloseApc();
        Signal(kHighToneHz, kLowToneHz);
    } else {
        // The module may have left program mode all the same; the window assumes it did.
        console.ConsoleAppend(config::ErrorLabel(kLeaveLabel, result));
        NormalModeControls(window);
        CloseApc();
    }
}

void ConfigOperations::btn15Click() {
    Console& console = link_.console();
    Window& window = link_.window();
    const ServiceFrame frame = config::CommandFrame(catalogue::kSaveConfiguration, 0);

    BusyControls(window);
    if (!ConnectAndSetBaudRate()) {
        ProgramModeControls(window);
        return;
    }
    console.ConsoleSet("Zapisuję dane - Proszę czekać...");
    // The module acknowledges only when its EEPROM has been written.
    std::uint8_t result = ServiceTransaction(
        link_, frame, kServiceFrameSize, catalogue::kSaveTimeoutMs, catalogue::kServiceReplyLength);
    if (result == status::kOk) {
        NormalModeControls(window);
        console.ConsoleSet("Dane Zapisane OK...");
        tone_.Play(kHighToneHz, kToneMs);
        CloseApc();
    } else {
        ProgramModeControls(window);
        console.ConsoleAppend(config::ErrorLabel(kSaveLabel, result));
    }
}

}  // namespace ksm
