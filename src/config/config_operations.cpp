// Steps every configuration operation shares.
#include "config/config_operations.h"

#include "protocol/catalogue.h"

namespace ksm {

bool ConfigOperations::SetBaudRateOrReport() {
    if (link_.SetBaudRate(link_.LinkBaudRate) == status::kOk) return true;
    ReportError(link_.console(), status::kBaudRateChangeFailed);
    return false;
}

bool ConfigOperations::ConnectAndSetBaudRate() {
    return link_.ConnectInterface() == status::kOk && SetBaudRateOrReport();
}

std::uint8_t ConfigOperations::SendFrame(const ServiceFrame& frame) {
    return ServiceTransaction(link_, frame, kServiceFrameSize, catalogue::kServiceTimeoutMs,
                              catalogue::kServiceReplyLength);
}

}  // namespace ksm
