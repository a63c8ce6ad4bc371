// Moving bytes over the open interface, the receive buffer, and the modem lines.
#include <algorithm>
#include <cstring>

#include "link/link.h"

namespace ksm {

LinkLease& LinkLease::operator=(LinkLease&& other) noexcept {
    if (this != &other) {
        if (link_) link_->busy_ = false;
        link_ = other.link_;
        other.link_ = nullptr;
    }
    return *this;
}

LinkLease::~LinkLease() {
    if (link_) link_->busy_ = false;
}

LinkLease Link::TryAcquire() {
    if (busy_) return LinkLease();
    busy_ = true;
    return LinkLease(this);
}

StatusCode Link::SetBaudRate(std::uint32_t baud) {
    if (!HasHandle() || driver_.SetBaudRate(InterfaceHandle, baud) != kDriverOk)
        return status::kBaudRateFailed;
    return status::kOk;
}

StatusCode Link::WritePort(const std::uint8_t* data, std::uint32_t length) {
    std::uint32_t sent = 0;
    if (!HasHandle() || driver_.Write(InterfaceHandle, data, length, sent) != kDriverOk)
        return status::kWriteFailed;
    return status::kOk;
}

StatusCode Link::ReadAvailable() {
    RxBuffer.fill(0);
    RxCount = 0;
    std::uint32_t waiting = 0;
    if (!HasHandle() || driver_.QueueStatus(InterfaceHandle, waiting) != kDriverOk)
        return status::kQueueStatusFailed;
    if (waiting == 0) return status::kNoData;
    // A longer queue stays in the driver for the next read.
    std::uint32_t count = std::min<std::uint32_t>(waiting, kRxBufferSize);
    std::uint32_t received = 0;
    if (driver_.Read(InterfaceHandle, RxBuffer.data(), count, received) != kDriverOk)
        return status::kReadFailed;
    RxCount = std::min<std::uint32_t>(received, count);
    return status::kOk;
}

StatusCode Link::DrainQueueInto(std::uint32_t waiting, std::uint32_t wanted) {
    std::array<std::uint8_t, kWaitReadBufferSize> read_buffer;
    while (waiting > 0) {
        std::uint32_t count = std::min<std::uint32_t>(waiting, kWaitReadBufferSize);
        std::uint32_t received = 0;
        if (driver_.Read(InterfaceHandle, read_buffer.data(), count, received) != kDriverOk)
            return status::kReadFailed;
        received = std::min(received, count);
        RxCount = received;
        std::uint32_t kept = std::min(received, wanted - RxTotal);
        std::memcpy(RxBuffer.data() + RxTotal, read_buffer.data(), kept);
        RxTotal += kept;
        if (received < count) break;  // the driver had less than it announced
        waiting -= count;
    }
    return status::kOk;
}

StatusCode Link::WaitForBytes(std::uint32_t wanted, std::uint16_t timeout_ms) {
    if (wanted > kRxBufferSize) return status::kIncomplete;  // could never be complete
    RxBuffer.fill(0);
    RxCount = 0;
    RxTotal = 0;
    if (!HasHandle()) return status::kQueueStatusFailed;

    // First phase: the first byte is awaited by clock time.
    std::uint64_t start = clock_.NowMs();
    std::uint64_t elapsed = 0;
    std::uint32_t waiting = 0;
    DriverStatus query = kDriverOk;
    while (waiting == 0) {
        pump_.Pump();
        if (timeout_ms <= elapsed) return status::kTimeOut;
        waiting = 0;
        query = driver_.QueueStatus(InterfaceHandle, waiting);
        clock_.SleepMs(1);
        elapsed = clock_.NowMs() - start;
    }
    if (query != kDriverOk) return status::kQueueStatusFailed;
    if (StatusCode read = DrainQueueInto(waiting, wanted); read != status::kOk) return read;

    // Second phase: the rest may take up to `timeout_ms` empty polls.
    std::uint32_t empty_polls = 0;
    while (RxTotal < wanted) {
        pump_.Pump();
        waiting = 0;
        if (driver_.QueueStatus(InterfaceHandle, waiting) != kDriverOk)
            return status::kQueueStatusFailed;
        if (waiting > 0) {
            if (StatusCode read = DrainQueueInto(waiting, wanted); read != status::kOk) return read;
        } else {
            clock_.SleepMs(1);
            ++empty_polls;
        }
        if (empty_polls > timeout_ms) return status::kIncomplete;
    }
    return status::kOk;
}

StatusCode Link::SendShortFrame(const std::uint8_t* data, std::uint8_t count) {
    if (count > kShortFrameBufferSize - 3) return status::kWriteFailed;
    std::uint8_t sum = 0, parity = 0;
    short_frame_[0] = count;
    for (std::uint8_t i = 0; i < count; ++i) {
        short_frame_[1 + i] = data[i];
        sum = static_cast<std::uint8_t>(sum + data[i]);
        parity ^= data[i];
    }
    short_frame_[1 + count] = sum;
    short_frame_[2 + count] = parity;
    return WritePort(short_frame_.data(), count + 3u);
}

StatusCode Link::SetRtsLine() {
    if (!HasHandle() || driver_.SetRts(InterfaceHandle) != kDriverOk) return status::kSetRtsFailed;
    return status::kOk;
}

StatusCode Link::ClearRtsLine() {
    if (!HasHandle() || driver_.ClearRts(InterfaceHandle) != kDriverOk) return status::kLineFailed;
    return status::kOk;
}

StatusCode Link::SetDtrLine() {
    if (!HasHandle() || driver_.SetDtr(InterfaceHandle) != kDriverOk) return status::kLineFailed;
    return status::kOk;
}

StatusCode Link::ClearDtrLine() {
    if (!HasHandle() || driver_.ClearDtr(InterfaceHandle) != kDriverOk) return status::kLineFailed;
    return status::kOk;
}

StatusCode Link::DtrReset() {
    StatusCode status = ConnectInterface();
    if (status == status::kOk) status = SetDtrLine();
    if (status == status::kOk) status = ClearDtrLine();
    return status;
}

}  // namespace ksm
