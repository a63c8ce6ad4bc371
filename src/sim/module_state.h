#pragma once

#include <array>
#include <cstdint>

#include "protocol/catalogue.h"
#include "protocol/service_frame.h"

namespace ksm::sim {

// How often the module has been reset, and why.
struct ResetCounters {
    std::uint16_t total = 7;
    std::uint16_t jtag = 0;
    std::uint16_t watchdog = 0;
    std::uint16_t brown_out = 0;
    std::uint16_t external = 2;
    std::uint16_t power_on = 5;
};

// Everything a KSM module knows about itself, as its registers and service replies show it.
// The values are those of a healthy module in a silo; tests change them freely.
struct ModuleState {
    // DS18B20 words a level reports in place of a temperature.
    static constexpr std::uint16_t kPresenceError = 0xF060;
    static constexpr std::uint16_t kCrcError = 0xF050;
    // Supply registers the tool reads.
    static constexpr std::size_t kSupplyRaw = 0;
    static constexpr std::size_t kSystemRaw = 1;
    static constexpr std::size_t kCurrentRaw = 6;
    // SHTxx words the module reports when its sensor bus fails.
    static constexpr std::uint16_t kShtTemperatureAckError = 29010;
    static constexpr std::uint16_t kShtTemperatureCrcError = 29110;
    static constexpr std::uint16_t kShtHumidityAckError = 5420;
    static constexpr std::uint16_t kShtHumidityCrcError = 5472;

    // Configuration.
    std::uint8_t address = 1;
    std::uint8_t interval = 10;  // seconds
    std::uint8_t addressing_type = 0;
    std::uint8_t work_type = 0;
    std::uint8_t firmware_major = 0x00;
    std::uint8_t firmware_minor = 0x41;
    // The key the module scrambles its service replies with.
    FrameKeyBytes key{0x3C, 0x96, 0xE1, 0x0F, 0x72, 0xA8, 0x4D, 0xB5};

    // Raw DS18B20 words of levels 1 to 16 (1/16 degree): 14.0 to 21.5 degrees.
    std::array<std::uint16_t, catalogue::kLevelCount> levels = [] {
        std::array<std::uint16_t, catalogue::kLevelCount> words{};
        for (std::size_t q = 0; q < words.size(); ++q)
            words[q] = static_cast<std::uint16_t>(14 * 16 + 8 * q);
        return words;
    }();
    // SHTxx raw temperature (25.00 degrees) and humidity (about 49 %).
    std::uint16_t sht_temperature = 6510;
    std::uint16_t sht_humidity = 1500;
    // Supply, system voltage, four further channels, probe current.
    std::array<std::uint16_t, catalogue::kSupplyRegisterCount> supply{900, 1000, 512, 384,
                                                                      0,   0,    100};
    ResetCounters counters;

    // 1-Wire addresses of the sensors at levels 1 to 16: family code 0x28 (DS18B20), six
    // serial bytes, the Dallas CRC-8 of the seven.
    using SensorSerial = std::array<std::uint8_t, 8>;
    std::array<SensorSerial, catalogue::kLevelCount> serials = [] {
        std::array<SensorSerial, catalogue::kLevelCount> table{};
        for (std::size_t q = 0; q < table.size(); ++q) {
            SensorSerial& rom = table[q];
            rom[0] = 0x28;
            for (std::size_t i = 1; i < 7; ++i)
                rom[i] = static_cast<std::uint8_t>(0x40 + 0x11 * i + 0x1D * q);
            std::uint8_t crc = 0;
            for (std::size_t i = 0; i < 7; ++i) {
                std::uint8_t byte = rom[i];
                for (int bit = 0; bit < 8; ++bit, byte >>= 1) {
                    bool mix = (crc ^ byte) & 1;
                    crc >>= 1;
                    if (mix) crc ^= 0x8C;
                }
            }
            rom[7] = crc;
        }
        return table;
    }();
};

}  // namespace ksm::sim
