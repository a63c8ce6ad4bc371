#include "link/tracing_driver.h"

#include <algorithm>

#include "link/status_codes.h"

namespace ksm {

DriverStatus TracingDriver::Note(DriverCall call, DriverStatus status) {
    // The receive polls run every millisecond: only their failures are worth a line.
    bool poll = call == DriverCall::kQueueStatus || call == DriverCall::kRead;
    if (status != kDriverOk) {
        out_ << clock_.NowMs() << " FAIL " << DriverCallName(call) << ' ' << status << '\n';
    } else if (!poll && call != DriverCall::kWrite) {
        out_ << clock_.NowMs() << " CALL " << DriverCallName(call) << '\n';
    }
    out_.flush();
    return status;
}

void TracingDriver::Bytes(const char* direction, const std::uint8_t* data, std::uint32_t count) {
    out_ << clock_.NowMs() << ' ' << direction << ' ' << count;
    for (std::uint32_t i = 0; i < count; ++i) out_ << ' ' << HexByte(data[i]);
    out_ << '\n';
    out_.flush();
}

DriverStatus TracingDriver::CountDevices(std::uint32_t& count) {
    return Note(DriverCall::kCountDevices, inner_.CountDevices(count));
}
DriverStatus TracingDriver::Description(std::uint32_t index, char (&text)[kDriverTextSize]) {
    return Note(DriverCall::kDescription, inner_.Description(index, text));
}
DriverStatus TracingDriver::SerialNumber(std::uint32_t index, char (&text)[kDriverTextSize]) {
    return Note(DriverCall::kSerialNumber, inner_.SerialNumber(index, text));
}
DriverStatus TracingDriver::Open(std::uint32_t index, DriverHandle& handle) {
    return Note(DriverCall::kOpen, inner_.Open(index, handle));
}
DriverStatus TracingDriver::SetBaudRate(DriverHandle handle, std::uint32_t baud) {
    return Note(DriverCall::kSetBaudRate, inner_.SetBaudRate(handle, baud));
}
DriverStatus TracingDriver::SetDataCharacteristics(DriverHandle handle, std::uint8_t word_length,
                                                   std::uint8_t stop_bits, std::uint8_t parity) {
    return Note(DriverCall::kSetDataCharacteristics,
                inner_.SetDataCharacteristics(handle, word_length, stop_bits, parity));
}
DriverStatus TracingDriver::SetFlowControl(DriverHandle handle, std::uint16_t flow, std::uint8_t xon,
                                           std::uint8_t xoff) {
    return Note(DriverCall::kSetFlowControl, inner_.SetFlowControl(handle, flow, xon, xoff));
}
DriverStatus TracingDriver::QueueStatus(DriverHandle handle, std::uint32_t& waiting) {
    return Note(DriverCall::kQueueStatus, inner_.QueueStatus(handle, waiting));
}
DriverStatus TracingDriver::Read(DriverHandle handle, std::uint8_t* buffer, std::uint32_t count,
                                 std::uint32_t& received) {
    DriverStatus status = inner_.Read(handle, buffer, count, received);
    if (status == kDriverOk && received > 0) Bytes("RX", buffer, std::min(received, count));
    return Note(DriverCall::kRead, status);
}
DriverStatus TracingDriver::Write(DriverHandle handle, const std::uint8_t* data, std::uint32_t length,
                                  std::uint32_t& sent) {
    Bytes("TX", data, length);
    return Note(DriverCall::kWrite, inner_.Write(handle, data, length, sent));
}
DriverStatus TracingDriver::SetRts(DriverHandle handle) {
    return Note(DriverCall::kSetRts, inner_.SetRts(handle));
}
DriverStatus TracingDriver::ClearRts(DriverHandle handle) {
    return Note(DriverCall::kClearRts, inner_.ClearRts(handle));
}
DriverStatus TracingDriver::SetDtr(DriverHandle handle) {
    return Note(DriverCall::kSetDtr, inner_.SetDtr(handle));
}
DriverStatus TracingDriver::ClearDtr(DriverHandle handle) {
    return Note(DriverCall::kClearDtr, inner_.ClearDtr(handle));
}
DriverStatus TracingDriver::Close(DriverHandle handle) {
    return Note(DriverCall::kClose, inner_.Close(handle));
}

}  // namespace ksm
