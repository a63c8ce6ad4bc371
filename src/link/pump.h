#pragma once

namespace ksm {

// Processes pending window messages from inside a wait: repaints, clicks on controls that
// are still enabled, timer ticks. The window's event loop in the tool; scripted in tests.
class MessagePump {
public:
    virtual ~MessagePump() = default;
    virtual void Pump() = 0;
};

// For programs without a window (ksm-sim, benchmarks of the link alone).
class NoMessagePump final : public MessagePump {
public:
    void Pump() override {}
};

}  // namespace ksm
