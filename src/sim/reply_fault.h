#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace ksm::sim {

// What goes wrong with one reply of the virtual module. The module still acts on the
// request; only what reaches the wire changes. Fields combine (a late reply cut short).
struct ReplyFault {
    bool silent = false;                    // nothing is sent
    std::optional<std::size_t> keep;        // only the first `keep` bytes are sent
    std::uint32_t late_ms = 0;              // the reply starts this much later
    std::vector<std::size_t> pieces;        // sent in pieces of these sizes, the rest last
    std::uint32_t piece_gap_ms = 0;         // silence between the pieces
    std::optional<std::size_t> corrupt_at;  // this byte arrives changed by `corrupt_delta`
    std::uint8_t corrupt_delta = 1;
    std::optional<std::uint8_t> status;  // service replies: this status byte instead

    static ReplyFault NoReply();
    static ReplyFault CutShort(std::size_t keep);
    static ReplyFault Late(std::uint32_t ms);
    static ReplyFault InPieces(std::vector<std::size_t> sizes, std::uint32_t gap_ms);
    static ReplyFault CorruptByte(std::size_t index, std::uint8_t delta = 1);
    static ReplyFault Status(std::uint8_t status);
    static ReplyFault Refuse();            // status 0x15
    static ReplyFault DuplicateSerials();  // status 2
};

// The faults a test has scripted: some for the next replies, one in order each, and one
// for every reply after them until cleared.
class FaultScript {
  public:
    void Next(ReplyFault fault) { next_.push_back(std::move(fault)); }
    void Always(ReplyFault fault) { always_ = std::move(fault); }
    void Clear();
    // The fault of the reply now going out (no fault when none is scripted).
    ReplyFault Take();

  private:
    std::deque<ReplyFault> next_;
    std::optional<ReplyFault> always_;
};

}  // namespace ksm::sim
