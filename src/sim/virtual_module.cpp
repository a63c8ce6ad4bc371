#include "sim/virtual_module.h"

#include <algorithm>
#include <cmath>

#include "sim/modbus_slave.h"
#include "sim/module_memory.h"

namespace ksm::sim {
namespace {

Micros WireTimeUs(std::size_t bytes, std::uint32_t baud) {
    return static_cast<Micros>(std::ceil(bytes * ByteTimeUs(baud)));
}

// A module left running for days remembers only its latest requests: once twice this many
// are held, the older half is forgotten.
constexpr std::size_t kRequestMemory = 10000;

template <typename Request>
void Remember(std::vector<Request>& record, Request request) {
    if (record.size() >= 2 * kRequestMemory)
        record.erase(record.begin(), record.begin() + kRequestMemory);
    record.push_back(std::move(request));
}

}  // namespace

VirtualModule::VirtualModule() {
    InstallConfigurationCommands(commands_);
    InstallMemoryCommands(commands_);
}

void VirtualModule::Reset(ResetCause cause) {
    mode_ = Mode::kNormal;
    pending_.clear();
    ResetCounters& c = state_.counters;
    ++c.total;
    switch (cause) {
        case ResetCause::kExternal:
            ++c.external;
            break;
        case ResetCause::kWatchdog:
            ++c.watchdog;
            break;
        case ResetCause::kPowerOn:
            ++c.power_on;
            break;
        case ResetCause::kBrownOut:
            ++c.brown_out;
            break;
        case ResetCause::kJtag:
            ++c.jtag;
            break;
    }
}

void VirtualModule::OnByte(Micros at, std::uint8_t byte) {
    if (held_in_reset_) return;
    pending_.push_back(byte);
    last_byte_at_ = at;
}

void VirtualModule::Advance(Micros now) {
    Micros silence = static_cast<Micros>(std::ceil(3.5 * ByteTimeUs(baud_)));
    if (!pending_.empty() && now >= last_byte_at_ + silence) EndFrame(last_byte_at_ + silence);
}

void VirtualModule::OnDtr(Micros, bool set) {
    // The DTR line drives the module's reset pin: a pulse restarts it.
    if (!set && held_in_reset_) Reset(ResetCause::kExternal);
    held_in_reset_ = set;
}

void VirtualModule::EndFrame(Micros end) {
    std::vector<std::uint8_t> frame = std::move(pending_);
    pending_.clear();
    // The program-mode request is answered in either mode, so entering twice does no harm.
    if (mode_ == Mode::kNormal || IsProgramModeRequest(frame)) {
        AnswerModbus(end, frame);
    } else {
        AnswerService(end, frame);
    }
}

void VirtualModule::AnswerModbus(Micros end, std::span<const std::uint8_t> frame) {
    Remember(modbus_requests_, std::vector<std::uint8_t>(frame.begin(), frame.end()));
    std::vector<std::uint8_t> reply;
    if (IsProgramModeRequest(frame)) {
        reply = ProgramModeReply(state_);
        EnterProgramMode();
    } else {
        reply = ModbusReply(state_, frame);
    }
    if (!reply.empty()) Send(end + turnaround_us_, std::move(reply), faults_.Take());
}

void VirtualModule::AnswerService(Micros end, std::span<const std::uint8_t> frame) {
    // Service frames have one size; anything else is noise on the bus.
    if (frame.size() != kServiceFrameSize) return;
    ServiceFrame request;
    std::copy(frame.begin(), frame.end(), request.begin());
    UnscrambleReply(request);
    Remember(service_requests_, request);

    ServiceFrame reply{};
    ServiceOutcome outcome{kServiceRefused};
    if (FrameChecksMatch(request)) {
        if (const ServiceHandler* handler = commands_.Find(request[1], request[2]))
            outcome = (*handler)(*this, request, reply);
    }
    if (outcome.status == kServiceRefused) reply.fill(0);

    ReplyFault fault = faults_.Take();
    reply[0] = fault.status.value_or(outcome.status);
    SealFrame(reply, state_.key);
    ScrambleFrame(reply);
    std::vector<std::uint8_t> bytes(reply.begin(),
                                    reply.begin() + std::min(outcome.reply_bytes, reply.size()));
    Send(end + turnaround_us_ + outcome.processing_ms * 1000ull, std::move(bytes), fault);
}

void VirtualModule::Send(Micros at, std::vector<std::uint8_t> bytes, const ReplyFault& fault) {
    if (fault.silent || !device_) return;
    if (fault.corrupt_at && *fault.corrupt_at < bytes.size())
        bytes[*fault.corrupt_at] =
            static_cast<std::uint8_t>(bytes[*fault.corrupt_at] + fault.corrupt_delta);
    if (fault.keep) bytes.resize(std::min(*fault.keep, bytes.size()));
    at += fault.late_ms * 1000ull;

    std::span<const std::uint8_t> rest(bytes);
    for (std::size_t size : fault.pieces) {
        std::size_t n = std::min(size, rest.size());
        device_->SendToHost(at, rest.first(n), baud_);
        at += WireTimeUs(n, baud_) + fault.piece_gap_ms * 1000ull;
        rest = rest.subspan(n);
    }
    if (!rest.empty()) device_->SendToHost(at, rest, baud_);
}

}  // namespace ksm::sim
