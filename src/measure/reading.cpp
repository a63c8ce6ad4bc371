#include "measure/reading.h"

#include <array>

#include "measure/number_format.h"
#include "protocol/catalogue.h"
#include "protocol/modbus.h"

namespace ksm {

StatusCode StartReading(Link& link, std::uint8_t address, std::uint8_t function, std::uint8_t last,
                        std::uint16_t reply_length) {
    Console& console = link.console();
    if (StatusCode connected = link.ConnectInterface(); connected != status::kOk) {
        ReportError(console, connected);
        return connected;
    }
    if (StatusCode baud = link.SetBaudRate(link.LinkBaudRate); baud != status::kOk) {
        console.ConsoleSetColour(ErrorColour);
        console.ConsoleAddLine("Error SET COMMV(" + HexByte(static_cast<std::uint8_t>(baud)) + ")");
        return baud;
    }
    const std::array<std::uint8_t, catalogue::kModbusRequestLength> request{
        address, function, 0x00, 0x00, 0x00, last};
    std::uint8_t result = ModbusTransaction(link, request.data(), catalogue::kModbusRequestLength,
                                            catalogue::kModbusTimeoutMs, reply_length);
    link.window().SetText("Memo1", std::to_string(link.RxCount));
    if (result != status::kOk) {
        console.ConsoleSetColour(ErrorColour);
        console.ConsoleAddLine("Error 30.00 Timeout (" + HexByte(result) + ")");
        console.ConsoleAddLine("Sprawdz interface lub skoryguj adres w Pomiary-Sterowanie... ");
    }
    return result;
}

std::string ReplyHex(const Link& link) {
    std::string text;
    for (std::uint32_t i = 0; i < link.RxCount; ++i) text += HexByte(link.RxBuffer[i]) + " ";
    return text;
}

std::uint16_t ReplyWord(const Link& link, std::size_t at) {
    return static_cast<std::uint16_t>(link.RxBuffer[at] << 8 | link.RxBuffer[at + 1]);
}

std::string FormatValue(const Window& window, double value, int decimals) {
    return FormatDecimal(value, decimals, window.DecimalSeparator(), window.ThousandsSeparator());
}

}  // namespace ksm
