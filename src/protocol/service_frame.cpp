// Service frames: the key block, scrambling, the check bytes and the exchange with a module.
#include "protocol/service_frame.h"

#include <string>

namespace ksm {
namespace {

constexpr std::size_t kKeySize = FrameKey.size();
constexpr std::size_t kScrambledEnd = kFrameKeyOffset;  // bytes 1 to 117 are scrambled
constexpr std::uint32_t kReplyDelayMs = 100;

void XorData(FrameBytes frame, const FrameKeyBytes& key) {
    for (std::size_t i = 1; i < kScrambledEnd; ++i) frame[i] ^= key[(i - 1) % kKeySize];
}

void AppendFailure(Console& console, const char* label, std::uint8_t result) {
    console.ConsoleAppend(std::string(label) + std::to_string(result));
}

}  // namespace

std::uint8_t FrameXor(std::span<const std::uint8_t> block) {
    std::uint8_t value = 0;
    for (std::uint8_t byte : block) value ^= byte;
    return value;
}

std::uint8_t FrameSum(std::span<const std::uint8_t> block) {
    std::uint8_t value = 0;
    for (std::uint8_t byte : block) value = static_cast<std::uint8_t>(value + byte);
    return value;
}

void SealFrame(FrameBytes frame, const FrameKeyBytes& key) {
    for (std::size_t j = 0; j < kKeySize; ++j) frame[kFrameKeyOffset + j] = key[j];
    auto covered = frame.first<kServicePayloadSize>();
    frame[kFrameXorOffset] = FrameXor(covered);
    frame[kFrameSumOffset] = FrameSum(covered);
}

bool FrameChecksMatch(std::span<const std::uint8_t, kServiceFrameSize> frame) {
    auto covered = frame.first<kServicePayloadSize>();
    return FrameXor(covered) == frame[kFrameXorOffset] &&
           FrameSum(covered) == frame[kFrameSumOffset];
}

void ScrambleFrame(FrameBytes frame) {
    FrameKeyBytes key;
    for (std::size_t j = 0; j < kKeySize; ++j) key[j] = frame[kFrameKeyOffset + j];
    for (std::size_t j = 0; j + 1 < kKeySize; ++j) frame[kFrameKeyOffset + j] = key[j] ^ key[j + 1];
    frame[kFrameKeyOffset + kKeySize - 1] = key[kKeySize - 1];
    XorData(frame, key);
}

void UnscrambleReply(FrameBytes frame) {
    FrameKeyBytes key;
    key[kKeySize - 1] = frame[kFrameKeyOffset + kKeySize - 1];
    for (std::size_t j = kKeySize - 1; j-- > 0;) key[j] = frame[kFrameKeyOffset + j] ^ key[j + 1];
    for (std::size_t j = 0; j < kKeySize; ++j) frame[kFrameKeyOffset + j] = key[j];
    XorData(frame, key);
}

std::uint8_t ServiceTransaction(Link& link, const ServiceFrame& frame, std::uint8_t frame_length,
                                std::uint16_t timeout_ms, std::uint32_t reply_length) {
    Console& console = link.console();
    // Every frame has the one fixed size; a caller asking for another gets nothing sent.
    if (frame_length != kServiceFrameSize) {
        AppendFailure(console, "\n TDAError: ", status::kWriteFailed);
        return status::kWriteFailed;
    }

    // The caller's buffer stays as written: several frames are sent from one buffer.
    ServiceFrame wire = frame;
    SealFrame(wire, FrameKey);
    ScrambleFrame(wire);

    std::uint8_t result =
        static_cast<std::uint8_t>(link.WritePort(wire.data(), kServicePayloadSize));
    if (result != status::kOk) {
        AppendFailure(console, "\n TDAError: ", result);
        return result;
    }
    result = static_cast<std::uint8_t>(link.WritePort(wire.data() + kFrameXorOffset, 2));
    if (result != status::kOk) {
        AppendFailure(console, "\n DCT_Error: ", result);
        return result;
    }

    link.clock().SleepMs(kReplyDelayMs);
    result = static_cast<std::uint8_t>(link.WaitForBytes(reply_length, timeout_ms));
    if (result != status::kOk) {
        AppendFailure(console, "\n DTI_Error: ", result);
        return result;
    }

    FrameBytes reply(link.RxBuffer.data(), kServiceFrameSize);
    UnscrambleReply(reply);
    if (!FrameChecksMatch(reply)) {
        AppendFailure(console, "\n Error CC: ", 1);
        return 1;
    }

    switch (std::uint8_t status_byte = reply[0]) {
        case kServiceAccepted:
            return status::kOk;
        case kServiceRefused:
            return status::kTimeOut;  // to the caller a refusal is as good as no reply
        case kServiceDuplicateSerials:
            console.ConsoleAppend("\nZnaleziono takie same seriale!!!");
            return status::kOk;
        default:
            return status_byte;
    }
}

}  // namespace ksm
