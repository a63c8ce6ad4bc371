#include "sim/sim_bus.h"

#include <algorithm>
#include <cmath>

namespace ksm::sim {

double ByteTimeUs(std::uint32_t baud) { return baud == 0 ? 1e9 : 10'000'000.0 / baud; }

std::uint8_t GarbleByte(std::uint8_t byte) {
    return static_cast<std::uint8_t>(((byte << 3) | (byte >> 5)) ^ 0xA5);
}

void FaultPlan::FailCall(DriverCall call, int nth, DriverStatus status) {
    Slot& slot = slots_[Index(call)];
    slot.fail_at = slot.calls + nth;
    slot.status = status;
}

void FaultPlan::FailFromNow(DriverCall call, DriverStatus status) {
    Slot& slot = slots_[Index(call)];
    slot.fail_always = true;
    slot.status = status;
}

void FaultPlan::Clear(DriverCall call) {
    Slot& slot = slots_[Index(call)];
    slot.fail_at = 0;
    slot.fail_always = false;
}

void FaultPlan::ClearAll() {
    for (int i = 0; i < kDriverCallCount; ++i) Clear(static_cast<DriverCall>(i));
}

DriverStatus FaultPlan::Check(DriverCall call) {
    Slot& slot = slots_[Index(call)];
    ++slot.calls;
    if (slot.fail_always || slot.calls == slot.fail_at) return slot.status;
    return kDriverOk;
}

SimDevice::SimDevice(std::uint32_t id, std::string description, std::string serial)
    : description(std::move(description)), serial(std::move(serial)), id_(id) {}

void SimDevice::Attach(Peer* peer) {
    peer_ = peer;
    if (peer_) peer_->OnAttach(*this);
}

void SimDevice::SendToHost(Micros at, std::span<const std::uint8_t> bytes) {
    SendToHost(at, bytes, peer_ ? peer_->BaudRate() : host_baud_);
}

void SimDevice::SendToHost(Micros at, std::span<const std::uint8_t> bytes, std::uint32_t baud) {
    double byte_time = ByteTimeUs(baud);
    double t = std::max<double>(at, rx_free_at_);
    bool garbled = baud != host_baud_;
    for (std::uint8_t byte : bytes) {
        t += byte_time;
        to_host_.push_back({static_cast<Micros>(std::ceil(t)), garbled ? GarbleByte(byte) : byte});
    }
    rx_free_at_ = t;
}

void SimDevice::Open(Micros now) {
    open_ = true;
    // The chip starts with an empty receive buffer.
    while (!to_host_.empty() && to_host_.front().at <= now) to_host_.pop_front();
}

void SimDevice::Write(Micros now, std::span<const std::uint8_t> bytes) {
    wire_.insert(wire_.end(), bytes.begin(), bytes.end());
    double byte_time = ByteTimeUs(host_baud_);
    double t = std::max<double>(now, tx_free_at_);
    for (std::uint8_t byte : bytes) {
        t += byte_time;
        to_peer_.push_back({static_cast<Micros>(std::ceil(t)), byte});
    }
    tx_free_at_ = t;
}

std::uint32_t SimDevice::Waiting(Micros now) const {
    std::uint32_t count = 0;
    for (const TimedByte& b : to_host_) {
        if (b.at > now) break;
        ++count;
    }
    return count;
}

std::uint32_t SimDevice::Read(Micros now, std::uint8_t* buffer, std::uint32_t count) {
    std::uint32_t n = 0;
    while (n < count && !to_host_.empty() && to_host_.front().at <= now) {
        buffer[n++] = to_host_.front().byte;
        to_host_.pop_front();
    }
    return n;
}

void SimDevice::SetDtr(Micros now, bool set) {
    dtr_ = set;
    if (peer_) peer_->OnDtr(now, set);
}

void SimDevice::AdvanceTo(Micros now) {
    while (!to_peer_.empty() && to_peer_.front().at <= now) {
        TimedByte b = to_peer_.front();
        to_peer_.pop_front();
        bool reaches_bus = !pass_through_switch || rts_;
        if (!peer_ || !reaches_bus) continue;
        peer_->Advance(b.at);
        peer_->OnByte(b.at, host_baud_ == peer_->BaudRate() ? b.byte : GarbleByte(b.byte));
    }
    if (peer_) peer_->Advance(now);
}

SimDevice& SimBus::AddDevice(std::string description, std::string serial) {
    devices_.push_back(std::make_unique<SimDevice>(next_id_++, std::move(description), std::move(serial)));
    return *devices_.back();
}

void SimBus::Unplug(const SimDevice& device) {
    std::erase_if(devices_, [&](const auto& d) { return d.get() == &device; });
}

SimDevice* SimBus::FindById(std::uint32_t id) {
    for (auto& d : devices_) {
        if (d->id() == id) return d.get();
    }
    return nullptr;
}

void SimBus::AdvanceTo(Micros now) {
    for (auto& d : devices_) d->AdvanceTo(now);
}

}  // namespace ksm::sim
