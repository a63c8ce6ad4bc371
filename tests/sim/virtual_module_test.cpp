#include "sim/virtual_module.h"

#include <gtest/gtest.h>

#include "protocol/catalogue.h"
#include "protocol/modbus.h"
#include "sim/demo_world.h"
#include "support/module_bench.h"
#include "support/tool_bench.h"

namespace ksm {
namespace {

using sim::ReplyFault;
using sim::VirtualModule;
using test::Bytes;

std::vector<std::uint8_t> WithCrc(std::vector<std::uint8_t> frame) {
    std::uint16_t crc = ModbusCrc16(frame);
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    return frame;
}

struct VirtualModuleTest : ::testing::Test {
    test::ModuleBench bench;
    sim::ModuleState& state = bench.module.state();

    std::uint8_t Modbus(std::vector<std::uint8_t> request, std::uint16_t expected) {
        return ModbusTransaction(bench.link, request.data(),
                                 static_cast<std::uint8_t>(request.size()),
                                 catalogue::kModbusTimeoutMs, expected);
    }
    std::uint8_t Service(catalogue::ServiceCommand command, std::uint8_t parameter = 0,
                         std::uint32_t reply_length = 128) {
        ServiceFrame frame{};
        frame[0] = kServiceFrameLength;
        frame[1] = command.command;
        frame[2] = command.sub;
        frame[3] = parameter;
        return ServiceTransaction(bench.link, frame, 128, catalogue::kServiceTimeoutMs,
                                  reply_length);
    }
    std::uint8_t EnterProgramMode() {
        return Modbus({'T', 'O', 'R', 'V', 'I', 'K'}, catalogue::kProgramModeReplyLength);
    }
    // Writes raw bytes and tells whether anything comes back within the time.
    bool AnswersRaw(const std::vector<std::uint8_t>& bytes, std::uint32_t wanted) {
        bench.link.WritePort(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        return bench.link.WaitForBytes(wanted, 600) == status::kOk;
    }
    static std::uint16_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
        return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
    }
};

TEST_F(VirtualModuleTest, ProgramModeRequestIsAnsweredWithTheConfiguration) {
    state.address = 7;
    state.interval = 30;
    state.addressing_type = 1;
    state.work_type = 1;
    ASSERT_EQ(EnterProgramMode(), 0);
    EXPECT_EQ(bench.Received(), WithCrc(Bytes({7, 0, 0, 30, 1, 1})));
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kProgram);
}

TEST_F(VirtualModuleTest, LevelsCarryTheRawWordsErrorWordsIncluded) {
    state.levels[2] = sim::ModuleState::kCrcError;
    state.levels[8] = sim::ModuleState::kPresenceError;
    state.levels[15] = 0xFC90;  // -55 degrees
    ASSERT_EQ(Modbus(Bytes({1, 3, 0, 0, 0, 0x10}), 37), 0);
    std::vector<std::uint8_t> reply = bench.Received();
    ASSERT_EQ(reply.size(), 37u);
    EXPECT_EQ(reply[0], 1);
    EXPECT_EQ(reply[1], 3);
    EXPECT_EQ(reply[2], 32);
    for (std::size_t q = 0; q < 16; ++q) EXPECT_EQ(Word(reply, 3 + 2 * q), state.levels[q]) << q;
    EXPECT_EQ(Word(reply, 3 + 2 * 2), 0xF050);
    EXPECT_EQ(Word(reply, 3 + 2 * 8), 0xF060);
}

TEST_F(VirtualModuleTest, ShtAndSupplyReadings) {
    state.sht_temperature = sim::ModuleState::kShtTemperatureAckError;
    state.sht_humidity = 1234;
    ASSERT_EQ(Modbus(Bytes({1, 4, 0, 0, 0, 2}), 9), 0);
    EXPECT_EQ(bench.Received(), WithCrc(Bytes({1, 4, 4, 0x71, 0x52, 0x04, 0xD2})));

    state.supply[sim::ModuleState::kSupplyRaw] = 900;
    state.supply[sim::ModuleState::kSystemRaw] = 1000;
    state.supply[sim::ModuleState::kCurrentRaw] = 100;
    ASSERT_EQ(Modbus(Bytes({1, 6, 0, 0, 0, 7}), 19), 0);
    std::vector<std::uint8_t> reply = bench.Received();
    ASSERT_EQ(reply.size(), 19u);
    EXPECT_EQ(reply[2], 14);
    EXPECT_EQ(Word(reply, 3), 900);
    EXPECT_EQ(Word(reply, 5), 1000);
    EXPECT_EQ(Word(reply, 15), 100);
}

TEST_F(VirtualModuleTest, CountersAreReadInTheirOrderAndCleared) {
    state.counters = {9, 1, 2, 3, 4, 5};
    ASSERT_EQ(Modbus(Bytes({1, 8, 0, 0, 0, 6}), 17), 0);
    EXPECT_EQ(bench.Received(), WithCrc(Bytes({1, 8, 12, 0, 9, 0, 1, 0, 2, 0, 3, 0, 4, 0, 5})));

    ASSERT_EQ(Modbus(Bytes({1, 8, 0, 0, 0, 1}), 6), 0);
    EXPECT_EQ(bench.link.RxCount, 6u);
    EXPECT_EQ(state.counters.total, 0);
    EXPECT_EQ(state.counters.power_on, 0);
}

TEST_F(VirtualModuleTest, IgnoresFramesWithABadCrcOrForAnotherAddress) {
    std::vector<std::uint8_t> bad_crc = WithCrc(Bytes({1, 3, 0, 0, 0, 0x10}));
    bad_crc.back() ^= 0x01;
    EXPECT_FALSE(AnswersRaw(bad_crc, 1));
    EXPECT_EQ(Modbus(Bytes({2, 3, 0, 0, 0, 0x10}), 37), status::kNoData);
    std::vector<std::uint8_t> bad_word = WithCrc(Bytes({'T', 'O', 'R', 'V', 'I', 'K'}));
    bad_word[6] ^= 0x01;
    EXPECT_FALSE(AnswersRaw(bad_word, 1));
    EXPECT_EQ(bench.module.ModbusRequests().size(), 3u);  // heard, and left unanswered
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kNormal);

    state.address = 2;
    EXPECT_EQ(Modbus(Bytes({2, 3, 0, 0, 0, 0x10}), 37), 0);
}

TEST_F(VirtualModuleTest, UnservedFunctionsAndRangesGetModbusExceptions) {
    EXPECT_EQ(Modbus(Bytes({1, 0x10, 0, 0, 0, 1}), 5), 0);
    EXPECT_EQ(bench.Received(), WithCrc(Bytes({1, 0x90, 0x01})));
    EXPECT_EQ(Modbus(Bytes({1, 3, 0, 10, 0, 7}), 5), 0);
    EXPECT_EQ(bench.Received(), WithCrc(Bytes({1, 0x83, 0x02})));
    EXPECT_EQ(Modbus(Bytes({1, 3, 0, 4, 0, 2}), 9), 0);
    EXPECT_EQ(Word(bench.Received(), 3), state.levels[4]);
}

TEST_F(VirtualModuleTest, ReplyStartsAFewMillisecondsAfterTheFramesEnd) {
    std::vector<std::uint8_t> request = WithCrc(Bytes({1, 4, 0, 0, 0, 2}));
    std::uint64_t start = bench.clock.NowUs();
    bench.link.WritePort(request.data(), 8);
    std::uint32_t waiting = 0;
    // 8 bytes take 8.3 ms, the silence that ends the frame 3.6 ms, the turnaround 3 ms and
    // the first byte of the reply 1 ms more.
    bench.clock.AdvanceUs(start + 15'500 - bench.clock.NowUs());
    bench.driver.QueueStatus(bench.link.InterfaceHandle, waiting);
    EXPECT_EQ(waiting, 0u);
    bench.clock.AdvanceUs(1'000);
    bench.driver.QueueStatus(bench.link.InterfaceHandle, waiting);
    EXPECT_EQ(waiting, 1u);
    bench.clock.AdvanceUs(20'000);
    bench.driver.QueueStatus(bench.link.InterfaceHandle, waiting);
    EXPECT_EQ(waiting, 9u);
}

TEST_F(VirtualModuleTest, ProgramModeServesFramesAndIgnoresModbusReads) {
    ASSERT_EQ(EnterProgramMode(), 0);
    EXPECT_EQ(Modbus(Bytes({1, 3, 0, 0, 0, 0x10}), 37), status::kNoData);

    state.firmware_major = 0x20;
    state.firmware_minor = 0x50;
    ASSERT_EQ(Service(catalogue::kVersionRead), 0);
    EXPECT_EQ(bench.link.RxBuffer[1], 0x20);
    EXPECT_EQ(bench.link.RxBuffer[2], 0x50);

    ASSERT_EQ(Service(catalogue::kWriteAddress, 12), 0);
    ASSERT_EQ(Service(catalogue::kWriteInterval, 60), 0);
    ASSERT_EQ(Service(catalogue::kWriteAddressingType, 1), 0);
    ASSERT_EQ(Service(catalogue::kWriteWorkType, 3), 0);
    EXPECT_EQ(state.address, 12);
    EXPECT_EQ(state.interval, 60);
    EXPECT_EQ(state.addressing_type, 1);
    EXPECT_EQ(state.work_type, 3);
    EXPECT_EQ(Service({0x55, 0x66}), 21);  // a command the module does not know

    // The program-mode request may come again: the module stays where it is.
    ASSERT_EQ(EnterProgramMode(), 0);
    EXPECT_EQ(bench.link.RxBuffer[0], 12);
    ASSERT_EQ(Service(catalogue::kLeaveProgramMode), 0);
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kNormal);
    EXPECT_EQ(Modbus(Bytes({12, 3, 0, 0, 0, 0x10}), 37), 0);
}

TEST_F(VirtualModuleTest, RefusesAServiceFrameWithABadCheckByte) {
    bench.module.EnterProgramMode();
    for (int delta : {0, 1}) {
        ServiceFrame frame{};
        frame[0] = kServiceFrameLength;
        frame[1] = catalogue::kVersionRead.command;
        SealFrame(frame, FrameKey);
        frame[127] = static_cast<std::uint8_t>(frame[127] + delta);
        ScrambleFrame(frame);
        std::vector<std::uint8_t> bytes(frame.begin(), frame.end());
        ASSERT_TRUE(AnswersRaw(bytes, 128));
        FrameBytes reply(bench.link.RxBuffer.data(), 128);
        UnscrambleReply(reply);
        EXPECT_TRUE(FrameChecksMatch(reply));
        EXPECT_EQ(reply[0], delta == 0 ? kServiceAccepted : kServiceRefused);
        EXPECT_TRUE(std::equal(state.key.begin(), state.key.end(), reply.begin() + 118));
    }
}

TEST_F(VirtualModuleTest, ServiceFramesOfAnotherLengthAreIgnored) {
    bench.module.EnterProgramMode();
    EXPECT_FALSE(AnswersRaw(std::vector<std::uint8_t>(127, 0x7E), 1));
    EXPECT_TRUE(bench.module.ServiceRequests().empty());
}

TEST_F(VirtualModuleTest, SaveAndResetReturnToNormalMode) {
    ASSERT_EQ(EnterProgramMode(), 0);
    std::uint64_t start = bench.clock.NowMs();
    ASSERT_EQ(Service(catalogue::kSaveConfiguration), 0);
    EXPECT_GT(bench.clock.NowMs() - start, 400u);  // the EEPROM takes its time
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kNormal);

    ASSERT_EQ(EnterProgramMode(), 0);
    sim::ResetCounters before = state.counters;
    ASSERT_EQ(Service(catalogue::kResetModule, 1, catalogue::kResetReplyLength), 0);
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kNormal);
    EXPECT_EQ(state.counters.total, before.total + 1);
    EXPECT_EQ(state.counters.watchdog, before.watchdog + 1);
    bench.clock.SleepMs(50);
    EXPECT_EQ(bench.link.ReadAvailable(), status::kNoData);  // only the status byte came
}

TEST_F(VirtualModuleTest, DtrPulseResetsTheModule) {
    ASSERT_EQ(EnterProgramMode(), 0);
    sim::ResetCounters before = state.counters;
    ASSERT_EQ(bench.link.SetDtrLine(), status::kOk);
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kProgram);
    ASSERT_EQ(bench.link.ClearDtrLine(), status::kOk);
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kNormal);
    EXPECT_EQ(state.counters.total, before.total + 1);
    EXPECT_EQ(state.counters.external, before.external + 1);
    EXPECT_EQ(Modbus(Bytes({1, 3, 0, 0, 0, 0x10}), 37), 0);
}

TEST_F(VirtualModuleTest, ScriptedFaultsApplyToTheNextReplyOrUntilCleared) {
    bench.module.faults().Next(ReplyFault::NoReply());
    bench.module.faults().Next(ReplyFault::CorruptByte(3));
    EXPECT_EQ(Modbus(Bytes({1, 4, 0, 0, 0, 2}), 9), status::kNoData);
    EXPECT_EQ(Modbus(Bytes({1, 4, 0, 0, 0, 2}), 9), 1);
    EXPECT_EQ(Modbus(Bytes({1, 4, 0, 0, 0, 2}), 9), 0);

    bench.module.faults().Always(ReplyFault::CutShort(5));
    EXPECT_EQ(Modbus(Bytes({1, 4, 0, 0, 0, 2}), 9), status::kNoData);
    EXPECT_EQ(bench.Lines()[1], "01 04 04 19 6E ");
    EXPECT_EQ(Modbus(Bytes({1, 4, 0, 0, 0, 2}), 9), status::kNoData);
    bench.module.faults().Clear();
    EXPECT_EQ(Modbus(Bytes({1, 4, 0, 0, 0, 2}), 9), 0);
}

TEST_F(VirtualModuleTest, LateReplyArrivesAfterItsDelay) {
    bench.module.faults().Next(ReplyFault::Late(500));
    std::uint64_t start = bench.clock.NowMs();
    ASSERT_EQ(Modbus(Bytes({1, 4, 0, 0, 0, 2}), 9), 0);
    std::uint64_t took = bench.clock.NowMs() - start;
    EXPECT_GE(took, 500u + 24u);
    EXPECT_LE(took, 500u + 40u);
}

TEST(DemoWorld, TheModuleAnswersBehindTheInterfaceAlsoAfterReplugging) {
    test::SimWorld world;
    sim::DemoWorld demo(world.clock);
    Link link(demo.driver(), world.clock, world.pump, world.console, world.window);
    const std::uint8_t request[] = {1, 3, 0, 0, 0, 0x10};
    demo.module().state().levels[0] = 0x0190;
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(link.ConnectInterface(), status::kOk);
        ASSERT_EQ(ModbusTransaction(link, request, 6, 1200, 37), 0);
        EXPECT_EQ(link.RxBuffer[3], 0x01);
        EXPECT_EQ(link.RxBuffer[4], 0x90);
        demo.UnplugInterface();
        demo.PlugInterface();
    }
}

TEST(ToolBenchModule, AnswersBehindTheBenchInterface) {
    test::ToolBench bench;
    Link& link = bench.tool.link();
    ASSERT_EQ(link.ConnectInterface(), status::kOk);
    const std::uint8_t request[] = {'T', 'O', 'R', 'V', 'I', 'K'};
    EXPECT_EQ(ModbusTransaction(link, request, 6, 1200, 8), 0);
    EXPECT_EQ(bench.module.mode(), VirtualModule::Mode::kProgram);
}

}  // namespace
}  // namespace ksm
