// Discovery of the interface among the attached devices, and the connection every module
// operation starts with.
#include <algorithm>
#include <cstring>

#include "link/link.h"

namespace ksm {
namespace {

constexpr std::string_view kDeviceGrid = "StringGrid1";
constexpr std::size_t kSerialShown = 8;

template <std::size_t N>
void CopyText(char (&field)[N], std::string_view text) {
    std::size_t length = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

bool IsInterfaceDescription(const char* description) {
    return description == kInterfaceDescription || description == kTerminalDescription;
}

// A ZRD terminal from version 13 on (or a WLP from version 10 on, when asked) can switch
// its USB-RS485 pass-through.
bool QualifiesForPassThrough(std::string_view serial, bool with_wlp_test) {
    if (serial.size() < 5) return false;
    char tens = serial[3], units = serial[4];
    if (tens < '0' || tens > '9' || units < '0' || units > '9') return false;
    int version = (tens - '0') * 10 + (units - '0');
    std::string_view product = serial.substr(0, 3);
    if (product == "ZRD") return version >= 13;
    return with_wlp_test && product == "WLP" && version >= 10;
}

}  // namespace

void Link::ClearDeviceTable() { DeviceTable.fill(DeviceEntry{}); }

void Link::ReadDeviceEntry(std::uint32_t index, StatusCode& status) {
    DeviceEntry& entry = DeviceTable[index];
    char text[kDriverTextSize] = {};
    if (driver_.Description(index, text) != kDriverOk) {
        CopyText(entry.description, "?");
        CopyText(entry.serial, "?");
        CopyText(entry.state, kStateBusy);
        status = status::kDeviceBusy;
        return;
    }
    text[kDriverTextSize - 1] = '\0';
    CopyText(entry.description, text);
    char serial[kDriverTextSize] = {};
    if (driver_.SerialNumber(index, serial) != kDriverOk) {
        status = status::kSerialUnreadable;
        return;
    }
    serial[kDriverTextSize - 1] = '\0';
    CopyText(entry.serial, Utf8Prefix(serial, kSerialShown));
    CopyText(entry.state, kStateFree);
    status = status::kOk;
}

void Link::SelectInterfaceEntry(bool& matched) {
    matched = false;
    for (std::uint8_t i = 0; i < DeviceCount; ++i) {
        if (IsInterfaceDescription(DeviceTable[i].description)) {
            SelectedDevice = i;  // the last match wins
            matched = true;
        }
    }
}

StatusCode Link::FindInterface() {
    ClearDeviceTable();
    CloseInterface();
    StatusCode status = status::kOk;
    std::uint32_t count = 0;
    DeviceCount = 0;
    if (driver_.CountDevices(count) != kDriverOk) {
        status = status::kCountUnreadable;
    } else {
        // The table holds 8 devices; any further ones are neither stored nor looked at.
        DeviceCount = static_cast<std::uint8_t>(std::min<std::uint32_t>(count, kDeviceTableSize));
    }
    if (DeviceCount > 0 && status == status::kOk) {
        for (std::uint32_t i = 0; i < DeviceCount; ++i) ReadDeviceEntry(i, status);
    }
    if (DeviceCount == 0 && status == status::kOk) status = status::kNoDevice;
    if (DeviceCount > 0 && status == status::kOk) {
        bool matched = false;
        SelectInterfaceEntry(matched);
        if (!matched) {
            status = status::kNoInterface;
        } else if (OpenInterface(LinkBaudRate, 8, 0, 0) != status::kOk) {
            status = status::kInterfaceOpenFailed;
        }
    }
    return status;
}

StatusCode Link::OpenInterface(std::uint32_t baud, std::uint8_t data_bits, std::uint8_t stop_bits,
                               std::uint8_t parity) {
    DriverHandle handle = kNoHandle;
    if (driver_.Open(SelectedDevice, handle) != kDriverOk) {
        InterfaceHandle = kNoHandle;
        return status::kOpenFailed;
    }
    InterfaceHandle = handle;
    if (driver_.SetBaudRate(handle, baud) != kDriverOk) return status::kBaudRateFailed;
    if (driver_.SetDataCharacteristics(handle, data_bits, stop_bits, parity) != kDriverOk)
        return status::kDataCharacteristicsFailed;
    if (driver_.SetFlowControl(handle, 0, 0, 0) != kDriverOk) return status::kFlowControlFailed;
    return status::kOk;
}

void Link::CloseInterface() {
    if (!HasHandle()) return;
    driver_.Close(InterfaceHandle);
    InterfaceHandle = kNoHandle;
}

void Link::FillDeviceGrid() {
    for (std::uint8_t row = 1; row <= DeviceCount; ++row) {
        const DeviceEntry& entry = DeviceTable[row - 1];
        window_.SetCell(kDeviceGrid, 0, row, entry.description);
        window_.SetCell(kDeviceGrid, 1, row, entry.serial);
        window_.SetCell(kDeviceGrid, 2, row, entry.state);
    }
}

StatusCode Link::ConnectInterface() {
    for (int row = 1; row <= static_cast<int>(kDeviceTableSize); ++row) {
        for (int column = 0; column < 3; ++column) window_.SetCell(kDeviceGrid, column, row, "");
    }
    StatusCode status = FindInterface();
    if (status == status::kOk || status == status::kDeviceBusy || status == status::kNoInterface)
        FillDeviceGrid();
    if (status != status::kOk && status != status::kDeviceBusy) {
        ReportError(console_, status);
        CloseInterface();
    }
    return status;
}

void Link::CheckTerminalSerial(bool with_wlp_test) {
    if (QualifiesForPassThrough(window_.Cell(kDeviceGrid, 1, 1), with_wlp_test)) {
        window_.SetEnabled("ButtonA", true);
    } else {
        window_.SetEnabled("ButtonA", false);
        window_.SetEnabled("Button5", false);
    }
}

void Link::Button3Click() {
    console_.ConsoleSet("");
    if (ConnectInterface() == status::kOk) console_.ConsoleSet("TORVIK Device detected...");
    CheckTerminalSerial(true);
}

}  // namespace ksm
