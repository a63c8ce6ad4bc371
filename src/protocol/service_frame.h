#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "link/link.h"

namespace ksm {

// A service frame: length byte, command, sub-command, parameters, the key block and the two
// check bytes. Requests and replies have the same shape.
inline constexpr std::size_t kServiceFrameSize = 128;
inline constexpr std::size_t kServicePayloadSize = 126;  // bytes 0 to 125, covered by the checks
inline constexpr std::size_t kFrameKeyOffset = 118;
inline constexpr std::size_t kFrameXorOffset = 126;
inline constexpr std::size_t kFrameSumOffset = 127;
inline constexpr std::uint8_t kServiceFrameLength = 0x7E;

using ServiceFrame = std::array<std::uint8_t, kServiceFrameSize>;
using FrameBytes = std::span<std::uint8_t, kServiceFrameSize>;
using FrameKeyBytes = std::array<std::uint8_t, 8>;

// Status byte of a reply.
inline constexpr std::uint8_t kServiceAccepted = 0x06;
inline constexpr std::uint8_t kServiceRefused = 0x15;
inline constexpr std::uint8_t kServiceDuplicateSerials = 0x02;

// The key every frame of the tool is scrambled with. The receiver learns it from the frame
// itself, so its value only has to stay the same from frame to frame.
inline constexpr FrameKeyBytes FrameKey{0x5A, 0xC3, 0x17, 0x8E, 0x29, 0xF4, 0x6B, 0xD0};

// XOR and 8-bit sum of a block of bytes (of bytes 0 to 125 for a frame's check bytes).
std::uint8_t FrameXor(std::span<const std::uint8_t> block);
std::uint8_t FrameSum(std::span<const std::uint8_t> block);

// Puts a plain key into bytes 118 to 125 and the two check bytes of the plain frame after it.
void SealFrame(FrameBytes frame, const FrameKeyBytes& key);
// Whether bytes 126 and 127 match the plain bytes 0 to 125.
bool FrameChecksMatch(std::span<const std::uint8_t, kServiceFrameSize> frame);

// Chains the plain key in bytes 118 to 125 and XORs bytes 1 to 117 with it; byte 0 and the
// check bytes stay as they are.
void ScrambleFrame(FrameBytes frame);
// The inverse: recovers the key from its chained form, writes it back plainly and undoes
// the XOR of bytes 1 to 117. Receivers on both ends use it.
void UnscrambleReply(FrameBytes frame);

// One exchange of a service frame: the caller's bytes 0 to 117 are sent with the FrameKey,
// the reply is left unscrambled at the start of RxBuffer. 0 on an accepted reply; 21 refused
// or no reply; 28, 15, 16 incomplete reply or driver failure; 19 a write failed; 1 wrong
// check bytes; any other value the reply's status byte. The caller's frame is not changed.
std::uint8_t ServiceTransaction(Link& link, const ServiceFrame& frame, std::uint8_t frame_length,
                                std::uint16_t timeout_ms, std::uint32_t reply_length);

}  // namespace ksm
