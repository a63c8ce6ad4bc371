#pragma once

#include <cstdint>
#include <vector>

#include "sim/sim_bus.h"

namespace ksm::sim {

// A peer for link tests: gathers the bytes of a frame (a frame ends after a silence of four
// byte times) and answers the first rule whose request matches, piece by piece.
class ScriptedPeer final : public Peer {
public:
    struct Piece {
        std::uint32_t delay_ms;  // after the end of the request
        std::vector<std::uint8_t> bytes;
    };
    struct Rule {
        std::vector<std::uint8_t> request;  // empty: any request
        std::vector<Piece> reply;
        bool once = false;
    };

    void AddRule(Rule rule) { rules_.push_back(std::move(rule)); }
    // Answers every request with `reply` after `delay_ms`.
    void AnswerAll(std::vector<std::uint8_t> reply, std::uint32_t delay_ms = 2);
    void Echo(bool on) { echo_ = on; }
    void SetBaudRate(std::uint32_t baud) { baud_ = baud; }

    const std::vector<std::vector<std::uint8_t>>& Frames() const { return frames_; }
    int DtrPulses() const { return dtr_pulses_; }
    std::vector<bool> DtrChanges() const { return dtr_changes_; }

    void OnByte(Micros at, std::uint8_t byte) override;
    void Advance(Micros now) override;
    void OnDtr(Micros at, bool set) override;
    std::uint32_t BaudRate() const override { return baud_; }

private:
    void EndFrame(Micros end);

    std::vector<Rule> rules_;
    std::vector<std::uint8_t> pending_;
    Micros last_byte_at_ = 0;
    std::vector<std::vector<std::uint8_t>> frames_;
    std::vector<bool> dtr_changes_;
    int dtr_pulses_ = 0;
    bool echo_ = false;
    std::uint32_t baud_ = 9600;
};

}  // namespace ksm::sim
