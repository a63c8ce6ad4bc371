#include "sim/reply_fault.h"

#include "protocol/service_frame.h"

namespace ksm::sim {

ReplyFault ReplyFault::NoReply() {
    ReplyFault fault;
    fault.silent = true;
    return fault;
}

ReplyFault ReplyFault::CutShort(std::size_t keep) {
    ReplyFault fault;
    fault.keep = keep;
    return fault;
}

ReplyFault ReplyFault::Late(std::uint32_t ms) {
    ReplyFault fault;
    fault.late_ms = ms;
    return fault;
}

ReplyFault ReplyFault::InPieces(std::vector<std::size_t> sizes, std::uint32_t gap_ms) {
    ReplyFault fault;
    fault.pieces = std::move(sizes);
    fault.piece_gap_ms = gap_ms;
    return fault;
}

ReplyFault ReplyFault::CorruptByte(std::size_t index, std::uint8_t delta) {
    ReplyFault fault;
    fault.corrupt_at = index;
    fault.corrupt_delta = delta;
    return fault;
}

ReplyFault ReplyFault::Status(std::uint8_t status) {
    ReplyFault fault;
    fault.status = status;
    return fault;
}

ReplyFault ReplyFault::Refuse() { return Status(kServiceRefused); }

ReplyFault ReplyFault::DuplicateSerials() { return Status(kServiceDuplicateSerials); }

void FaultScript::Clear() {
    next_.clear();
    always_.reset();
}

ReplyFault FaultScript::Take() {
    if (!next_.empty()) {
        ReplyFault fault = std::move(next_.front());
        next_.pop_front();
        return fault;
    }
    return always_.value_or(ReplyFault{});
}

}  // namespace ksm::sim
