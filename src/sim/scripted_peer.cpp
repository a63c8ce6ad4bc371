#include "sim/scripted_peer.h"

namespace ksm::sim {

void ScriptedPeer::AnswerAll(std::vector<std::uint8_t> reply, std::uint32_t delay_ms) {
    AddRule({{}, {{delay_ms, std::move(reply)}}, false});
}

void ScriptedPeer::OnByte(Micros at, std::uint8_t byte) {
    pending_.push_back(byte);
    last_byte_at_ = at;
}

void ScriptedPeer::Advance(Micros now) {
    Micros gap = static_cast<Micros>(4 * ByteTimeUs(baud_));
    if (!pending_.empty() && now >= last_byte_at_ + gap) EndFrame(last_byte_at_ + gap);
}

void ScriptedPeer::EndFrame(Micros end) {
    frames_.push_back(pending_);
    pending_.clear();
    const std::vector<std::uint8_t>& request = frames_.back();
    if (echo_) device_->SendToHost(end, request);
    for (auto it = rules_.begin(); it != rules_.end(); ++it) {
        if (!it->request.empty() && it->request != request) continue;
        for (const Piece& piece : it->reply) device_->SendToHost(end + piece.delay_ms * 1000ull, piece.bytes);
        if (it->once) rules_.erase(it);
        return;
    }
}

void ScriptedPeer::OnDtr(Micros, bool set) {
    if (!set && !dtr_changes_.empty() && dtr_changes_.back()) ++dtr_pulses_;
    dtr_changes_.push_back(set);
}

}  // namespace ksm::sim
