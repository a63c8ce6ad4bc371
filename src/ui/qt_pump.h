#pragma once

#include <QCoreApplication>

#include "link/pump.h"

namespace ksm::ui {

class QtMessagePump final : public MessagePump {
public:
    void Pump() override { QCoreApplication::processEvents(); }
};

}  // namespace ksm::ui
