#pragma once

#include <cstdint>
#include <string_view>

// Every request the tool sends to a module, with its time-out and the reply length it waits
// for. The operations build their requests from these; the virtual module answers them.
namespace ksm::catalogue {

// Modbus RTU requests: six bytes before the CRC.
inline constexpr std::uint8_t kModbusRequestLength = 6;
inline constexpr std::uint16_t kModbusTimeoutMs = 1200;

// The six letters that switch a module from normal mode to program mode; no address, no
// function code. The reply: address, two bytes, interval, addressing type, work type, CRC.
inline constexpr std::string_view kProgramModeWord = "TORVIK";
inline constexpr std::uint16_t kProgramModeReplyLength = 8;

// address, 0x03, 0x00, 0x00, 0x00, 0x10: the 16 levels.
inline constexpr std::uint8_t kReadLevels = 0x03;
inline constexpr std::uint8_t kLevelCount = 16;
inline constexpr std::uint16_t kLevelsReplyLength = 2 * kLevelCount + 5;
// address, 0x06, 0x00, 0x00, 0x00, 0x07: supply registers, answered like a register read.
inline constexpr std::uint8_t kReadSupply = 0x06;
inline constexpr std::uint8_t kSupplyRegisterCount = 7;
inline constexpr std::uint16_t kSupplyReplyLength = 19;
// address, 0x04, 0x00, 0x00, 0x00, 0x02: SHTxx temperature and humidity.
inline constexpr std::uint8_t kReadSht = 0x04;
inline constexpr std::uint8_t kShtRegisterCount = 2;
inline constexpr std::uint16_t kShtReplyLength = 9;
// address, 0x08, 0x00, 0x00, 0x00, sub-function: the reset counters.
inline constexpr std::uint8_t kCounters = 0x08;
inline constexpr std::uint8_t kCountersRead = 6;
inline constexpr std::uint8_t kCountersClear = 1;
inline constexpr std::uint16_t kCountersReadReplyLength = 17;
inline constexpr std::uint16_t kCountersOtherReplyLength = 6;

// Service frames: command and sub-command in bytes 1 and 2, the parameter in byte 3.
struct ServiceCommand {
    std::uint8_t command;
    std::uint8_t sub;
};
inline constexpr std::uint16_t kServiceTimeoutMs = 600;
inline constexpr std::uint16_t kSaveTimeoutMs = 10000;
inline constexpr std::uint32_t kServiceReplyLength = 128;

inline constexpr ServiceCommand kVersionRead{0x30, 0x00};
inline constexpr ServiceCommand kLeaveProgramMode{0xAA, 0x55};
inline constexpr ServiceCommand kSaveConfiguration{0x70, 0x02};
inline constexpr ServiceCommand kWriteAddress{0x70, 0x00};
inline constexpr ServiceCommand kWriteInterval{0x70, 0x01};
inline constexpr ServiceCommand kWriteAddressingType{0x70, 0x03};
inline constexpr ServiceCommand kWriteWorkType{0x70, 0x04};
// Answered as soon as any byte comes back: the module resets while it acknowledges.
inline constexpr ServiceCommand kResetModule{0x20, 0x01};
inline constexpr std::uint32_t kResetReplyLength = 0;

// Developer service commands, their replies shown without interpretation: the module's
// EEPROM whole, its first 64 bytes and the block after them; the sensor serial numbers
// (also the first step of leaving the APC procedure); the second poll of the APC procedure.
inline constexpr ServiceCommand kReadEeprom{0x30, 0x01};
inline constexpr ServiceCommand kReadEepromLow{0x30, 0x02};
inline constexpr ServiceCommand kReadEepromHigh{0x30, 0x03};
inline constexpr ServiceCommand kFetchSerials{0xA0, 0x00};
inline constexpr ServiceCommand kApcPollSecond{0x90, 0x11};

}  // namespace ksm::catalogue
