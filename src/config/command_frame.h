#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "link/status_codes.h"
#include "link/window.h"
#include "protocol/catalogue.h"
#include "protocol/service_frame.h"

namespace ksm::config {

// A request frame of the configuration commands: the length byte, the command, the
// parameter, zeros elsewhere (the transaction adds its key block and check bytes).
inline ServiceFrame CommandFrame(catalogue::ServiceCommand command, std::uint8_t parameter) {
    ServiceFrame frame{};
    frame[0] = kServiceFrameLength;
    frame[1] = command.command;
    frame[2] = command.sub;
    frame[3] = parameter;
    return frame;
}

// The parameter a combo box gives at this moment: the low byte of its item index plus an
// offset. Without a selection the index is -1, which gives 0xFF (0x00 with offset 1).
inline std::uint8_t ComboParameter(const Window& window, std::string_view combo, int offset) {
    return static_cast<std::uint8_t>(window.ItemIndex(combo) + offset);
}

// A command's failure label, the code in two hexadecimal digits and the closing bracket.
inline std::string ErrorLabel(std::string_view label, std::uint8_t code) {
    return std::string(label) + HexByte(code) + ")";
}

// Each byte in two hexadecimal digits and a blank, all on one line.
void DumpBytes(Console& console, const std::uint8_t* bytes, std::size_t count);

}  // namespace ksm::config
