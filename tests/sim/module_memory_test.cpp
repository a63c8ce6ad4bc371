#include "sim/module_memory.h"

#include <gtest/gtest.h>

#include <set>

#include "support/module_bench.h"

namespace ksm {
namespace {

// The Dallas/Maxim CRC-8 of a 1-Wire address; 0 over all eight bytes of a good one.
std::uint8_t DallasCrc(const std::uint8_t* bytes, std::size_t count) {
    std::uint8_t crc = 0;
    for (std::size_t i = 0; i < count; ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            bool mix = ((crc ^ (bytes[i] >> bit)) & 1) != 0;
            crc >>= 1;
            if (mix) crc ^= 0x8C;
        }
    }
    return crc;
}

TEST(ModuleMemory, SensorAddressesAreDistinctDs18b20RomCodes) {
    sim::ModuleState state;
    std::set<sim::ModuleState::SensorSerial> seen;
    for (const auto& serial : state.serials) {
        EXPECT_EQ(serial[0], 0x28);
        EXPECT_EQ(DallasCrc(serial.data(), 8), 0);
        seen.insert(serial);
    }
    EXPECT_EQ(seen.size(), 16u);
}

TEST(ModuleMemory, EepromHoldsTheConfigurationVersionAndSerialTable) {
    sim::ModuleState state;
    state.address = 5;
    state.interval = 60;
    state.addressing_type = 1;
    state.work_type = 1;
    state.firmware_major = 0x10;
    state.firmware_minor = 0x30;
    sim::EepromImage image = sim::Eeprom(state);
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 8),
              test::Bytes({5, 60, 1, 1, 0x10, 0x30, 0xFF, 0xFF}));
    auto table = sim::SerialTable(state);
    EXPECT_TRUE(std::equal(table.begin(), table.end(), image.begin() + 8));
    EXPECT_EQ(table[16 * 8], 0x00);
    EXPECT_TRUE(
        std::equal(state.serials[15].begin(), state.serials[15].end(), table.begin() + 120));
    EXPECT_TRUE(std::all_of(image.begin() + 8 + table.size(), image.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
}

TEST(ModuleMemory, ReadsAreServedInProgramModeOnly) {
    test::ModuleBench bench;
    auto send = [&](catalogue::ServiceCommand command) {
        ServiceFrame frame{};
        frame[0] = kServiceFrameLength;
        frame[1] = command.command;
        frame[2] = command.sub;
        return ServiceTransaction(bench.link, frame, 128, 600, 128);
    };
    EXPECT_EQ(send(catalogue::kReadEepromHigh), status::kTimeOut);  // normal mode: no answer
    bench.module.EnterProgramMode();
    ASSERT_EQ(send(catalogue::kReadEepromHigh), 0);
    sim::EepromImage image = sim::Eeprom(bench.module.state());
    EXPECT_TRUE(
        std::equal(image.begin() + 64, image.begin() + 129, bench.link.RxBuffer.begin() + 1));
    EXPECT_EQ(bench.link.RxBuffer[66], 0);  // nothing after the 65 bytes
    ASSERT_EQ(send(catalogue::kApcPollSecond), 0);
    ASSERT_EQ(send(catalogue::kFetchSerials), 0);
    EXPECT_EQ(bench.link.RxBuffer[1], 0x28);
}

}  // namespace
}  // namespace ksm
