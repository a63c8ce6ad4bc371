// Developer tools on built-in samples: the checksums, a short frame, the conversions.
#include <array>

#include "measure/char_code.h"
#include "measure/measurements.h"
#include "measure/one_wire_crc.h"
#include "measure/raw_to_celsius.h"
#include "protocol/modbus.h"

namespace ksm {
namespace {

// Family code 0x28, serial 23 77 58 02 00 00, CRC 0x46.
constexpr std::array<std::uint8_t, 8> kSampleRomCode = {0x28, 0x23, 0x77, 0x58,
                                                        0x02, 0x00, 0x00, 0x46};
constexpr std::array<std::uint8_t, 5> kSampleModbusMessage = {0xFA, 0x55, 0xAA, 0xCC, 0x55};
constexpr std::array<std::uint8_t, 2> kSampleShortFrame = {0x01, 0x00};
constexpr std::uint8_t kSampleWordHigh = 0x01, kSampleWordLow = 0x90;

}  // namespace

void Measurements::btn2Click() {
    std::uint8_t crc = OneWireCrc8(std::span(kSampleRomCode).first(7));
    link_.console().ConsoleSet("CRC: " + HexByte(crc));
}

void Measurements::btn8Click() {
    const std::uint16_t crc = ModbusCrc16(kSampleModbusMessage);
    // The byte a frame carries first, then the other one.
    const std::string first = HexByte(static_cast<std::uint8_t>(crc & 0xFF));
    const std::string second = HexByte(static_cast<std::uint8_t>(crc >> 8));
    link_.console().ConsoleAppend(first + second + " CRC16 LH:  " + second + first);
}

void Measurements::Button21Click() {
    Window& window = link_.window();
    const std::string text = window.Text("Edit8");
    std::optional<std::int32_t> number = ParseInteger(text);
    if (!number) {
        window.ShowErrorMessage(NotAnIntegerMessage(text));
        return;
    }
    window.SetText("Edit9", Cp1250Character(static_cast<std::uint8_t>(*number & 0xFF)));
}

void Measurements::btn9Click() {
    // Goes out only when an earlier operation left the interface open; nothing is shown.
    link_.SendShortFrame(kSampleShortFrame.data(), kSampleShortFrame.size());
}

void Measurements::Button12Click() {
    [[maybe_unused]] float celsius = RawToCelsius(kSampleWordHigh, kSampleWordLow);
}

}  // namespace ksm
