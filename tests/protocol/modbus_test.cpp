#include "protocol/modbus.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>

#include "protocol/catalogue.h"
#include "support/module_bench.h"

namespace ksm {
namespace {

using sim::ReplyFault;
using test::Bytes;

// The CRC computed bit by bit, as a reference independent of the tables.
std::uint16_t BitwiseCrc(std::span<const std::uint8_t> data) {
    std::uint16_t crc = 0xFFFF;
    for (std::uint8_t byte : data) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

std::vector<std::uint8_t> Ascii(std::string_view text) { return {text.begin(), text.end()}; }

TEST(ModbusCrc, KnownValues) {
    struct Case {
        std::vector<std::uint8_t> data;
        std::uint16_t crc;
    };
    const Case cases[] = {
        {Ascii("123456789"), 0x4B37},
        {{}, 0xFFFF},
        {Bytes({0x01, 0x03, 0x00, 0x00, 0x00, 0x10}), 0x0644},
        {Bytes({0x05, 0x03, 0x00, 0x00, 0x00, 0x10}), 0x8245},
        {Ascii("TORVIK"), 0x0EDF},
    };
    for (const Case& c : cases) EXPECT_EQ(ModbusCrc16(c.data), c.crc);
}

TEST(ModbusCrc, TablesAgreeWithTheBitwiseCrcAndCompleteFramesGiveZero) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> frame(1 + random() % 254);
        for (auto& byte : frame) byte = static_cast<std::uint8_t>(random());
        std::uint16_t crc = ModbusCrc16(frame);
        ASSERT_EQ(crc, BitwiseCrc(frame));
        frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));  // low byte first
        frame.push_back(static_cast<std::uint8_t>(crc >> 8));
        EXPECT_EQ(ModbusCrc16(frame), 0);
        EXPECT_TRUE(ModbusCrcMatches(frame));
        frame[random() % frame.size()] ^= 0x10;
        EXPECT_FALSE(ModbusCrcMatches(frame));
    }
}

struct ModbusTest : ::testing::Test {
    test::ModuleBench bench;

    std::uint8_t Send(const std::vector<std::uint8_t>& request, std::uint16_t expected,
                      std::uint16_t timeout_ms = catalogue::kModbusTimeoutMs) {
        return ModbusTransaction(bench.link, request.data(),
                                 static_cast<std::uint8_t>(request.size()), timeout_ms, expected);
    }
    std::uint8_t ReadLevels() {
        return Send(Bytes({0x01, 0x03, 0x00, 0x00, 0x00, 0x10}), catalogue::kLevelsReplyLength);
    }
    int Reads() { return bench.bus.faults().Calls(DriverCall::kRead); }
};

constexpr const char* kLevelsTrace = "01 03 00 00 00 10 44 06 ";

struct CatalogueCase {
    const char* sender;
    std::vector<std::uint8_t> request;
    std::vector<std::uint8_t> wire;
    std::uint16_t reply_length;
    friend void PrintTo(const CatalogueCase& c, std::ostream* os) { *os << c.sender; }
};

struct ModbusCatalogue : ModbusTest, ::testing::WithParamInterface<CatalogueCase> {};

TEST_P(ModbusCatalogue, RequestGoesOnTheWireAndTheModuleAnswersInFull) {
    const CatalogueCase& c = GetParam();
    ASSERT_EQ(Send(c.request, c.reply_length), 0) << c.sender;
    EXPECT_EQ(bench.device.Wire(), c.wire);
    EXPECT_EQ(bench.link.RxCount, c.reply_length);
    EXPECT_TRUE(ModbusCrcMatches(bench.Received()));
}

INSTANTIATE_TEST_SUITE_P(
    EveryRequest, ModbusCatalogue,
    ::testing::Values(CatalogueCase{"ProgramMode", Ascii("TORVIK"),
                                    Bytes({0x54, 0x4F, 0x52, 0x56, 0x49, 0x4B, 0xDF, 0x0E}), 8},
                      CatalogueCase{"Temperatures", Bytes({1, 0x03, 0, 0, 0, 0x10}),
                                    Bytes({1, 0x03, 0, 0, 0, 0x10, 0x44, 0x06}), 37},
                      CatalogueCase{"Supply", Bytes({1, 0x06, 0, 0, 0, 0x07}),
                                    Bytes({1, 0x06, 0, 0, 0, 0x07, 0xC8, 0x08}), 19},
                      CatalogueCase{"Sht", Bytes({1, 0x04, 0, 0, 0, 0x02}),
                                    Bytes({1, 0x04, 0, 0, 0, 0x02, 0x71, 0xCB}), 9},
                      CatalogueCase{"CountersRead", Bytes({1, 0x08, 0, 0, 0, 0x06}),
                                    Bytes({1, 0x08, 0, 0, 0, 0x06, 0x60, 0x09}), 17},
                      CatalogueCase{"CountersClear", Bytes({1, 0x08, 0, 0, 0, 0x01}),
                                    Bytes({1, 0x08, 0, 0, 0, 0x01, 0x21, 0xCB}), 6}),
    [](const auto& info) { return std::string(info.param.sender); });

TEST_F(ModbusTest, RequestIsTracedBeforeItIsSent) {
    ASSERT_EQ(ReadLevels(), 0);
    EXPECT_EQ(bench.Lines(), (std::vector<std::string>{kLevelsTrace, ""}));
    EXPECT_EQ(bench.pane.ColourAt(0), TxDumpColour);
}

TEST_F(ModbusTest, ReplyInThreePiecesIsGatheredInOrder) {
    bench.module.faults().Next(ReplyFault::InPieces({10, 20, 7}, 40));
    int reads_before = Reads();
    ASSERT_EQ(ReadLevels(), 0);
    EXPECT_GE(Reads() - reads_before, 3);
    std::vector<std::uint8_t> reply = bench.Received();
    ASSERT_EQ(reply.size(), 37u);
    EXPECT_EQ(reply[0], 0x01);
    EXPECT_EQ(reply[1], 0x03);
    EXPECT_EQ(reply[2], 32);
    for (std::size_t q = 0; q < 16; ++q) {
        EXPECT_EQ(reply[3 + 2 * q] << 8 | reply[4 + 2 * q], bench.module.state().levels[q]);
    }
    EXPECT_EQ(bench.Lines(), (std::vector<std::string>{kLevelsTrace, ""}));
}

TEST_F(ModbusTest, NoReplyEndsAfterTheTimeOutWithTheLastPollsResult) {
    bench.module.faults().Next(ReplyFault::NoReply());
    std::uint64_t start = bench.clock.NowMs();
    EXPECT_EQ(ReadLevels(), status::kNoData);
    EXPECT_EQ(bench.clock.NowMs() - start, 9u + 1200u);
    EXPECT_EQ(bench.Lines(), (std::vector<std::string>{kLevelsTrace, "", "RecieveError: 11"}));
    EXPECT_EQ(bench.pane.LineColour(0), TxDumpColour);  // nothing appended: colours kept
    EXPECT_EQ(bench.pane.LineColour(2), ErrorColour);
}

TEST_F(ModbusTest, ReplyWithOneCorruptedByteIsDumpedAndRefused) {
    bench.module.faults().Next(ReplyFault::CorruptByte(7));
    EXPECT_EQ(ReadLevels(), 1);
    std::vector<std::uint8_t> reply = bench.Received();
    ASSERT_EQ(reply.size(), 37u);
    std::string dump;
    for (std::uint8_t byte : reply) dump += HexByte(byte) + " ";
    EXPECT_EQ(bench.Lines(),
              (std::vector<std::string>{kLevelsTrace, dump, "RecieveCRC_Error: 01"}));
    EXPECT_EQ(bench.pane.LineColour(0), kConsoleBaseColour);  // the dump recoloured the text
    EXPECT_EQ(bench.pane.LineColour(2), ErrorColour);
}

TEST_F(ModbusTest, FailedWriteIsReportedAfterThePause) {
    bench.bus.faults().FailCall(DriverCall::kWrite);
    std::uint64_t start = bench.clock.NowMs();
    EXPECT_EQ(ReadLevels(), status::kWriteFailed);
    EXPECT_EQ(bench.clock.NowMs() - start, 9u);
    EXPECT_EQ(bench.Lines(), (std::vector<std::string>{kLevelsTrace, "", "TransmitError: 13"}));
    EXPECT_EQ(bench.pane.LineColour(2), ErrorColour);
    EXPECT_TRUE(bench.module.ModbusRequests().empty());
}

TEST_F(ModbusTest, RequestWithoutRoomForItsCrcIsNotSent) {
    std::vector<std::uint8_t> request(255, 0x01);
    EXPECT_EQ(Send(request, 8), status::kWriteFailed);
    EXPECT_TRUE(bench.device.Wire().empty());
    EXPECT_EQ(bench.Lines().back(), "TransmitError: 13");
}

// A reply still coming in when the time runs out never counts, whatever its last two bytes.
TEST_F(ModbusTest, ReplyShorterThanExpectedAtTheTimeOutFails) {
    const std::vector<std::vector<std::uint8_t>> short_replies = {
        Bytes({0xFF, 0xFF}),  // the CRC of no bytes at all
        Bytes({0x01}),        // less than a CRC
        Bytes({0x01, 0x03, 0x20}),
    };
    bench.module.faults().Always(ReplyFault::NoReply());
    for (const auto& bytes : short_replies) {
        bench.clock.SleepMs(100);
        // The request takes 9 ms; the last poll comes 1200 ms later, the one before 5 ms
        // earlier: these bytes arrive between the two.
        bench.SendToHost((9 + 1195) * 1000 + 500, bytes);
        EXPECT_EQ(ReadLevels(), 1);
        EXPECT_EQ(bench.Received(), bytes);
        std::string dump;
        for (std::uint8_t byte : bytes) dump += HexByte(byte) + " ";
        EXPECT_EQ(bench.Lines(),
                  (std::vector<std::string>{kLevelsTrace, dump, "RecieveCRC_Error: 01"}));
    }
}

TEST_F(ModbusTest, LateReplyCutByTheTimeOutFails) {
    bench.module.faults().Next(ReplyFault::Late(1180));
    EXPECT_EQ(ReadLevels(), 1);
    EXPECT_GT(bench.link.RxCount, 0u);
    EXPECT_LT(bench.link.RxCount, 37u);
    EXPECT_EQ(bench.Lines().back(), "RecieveCRC_Error: 01");
}

// A frame of 254 bytes with its CRC: exactly the buffer's size.
std::vector<std::uint8_t> FullBufferFrame() {
    std::vector<std::uint8_t> frame(254);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint8_t>(i * 7);
    std::uint16_t crc = ModbusCrc16(frame);
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    return frame;
}

TEST_F(ModbusTest, ReplyLongerThanTheBufferIsCutAndRefused) {
    bench.module.faults().Always(ReplyFault::NoReply());
    std::vector<std::uint8_t> longer = FullBufferFrame();
    longer.resize(300, 0x55);
    struct Case {
        bool waiting_before;  // the whole reply already waits at the first poll
        std::uint16_t expected;
    };
    for (Case c : {Case{true, 37}, Case{false, 300}}) {
        if (c.waiting_before) {
            bench.SendToHost(0, longer);
            bench.clock.SleepMs(400);
        } else {
            bench.SendToHost(20'000, longer);
        }
        EXPECT_EQ(Send(Bytes({1, 3, 0, 0, 0, 0x10}), c.expected, 2000), 1);
        EXPECT_EQ(bench.link.RxCount, 256u);
        EXPECT_EQ(bench.Received(), FullBufferFrame());
        EXPECT_EQ(bench.link.RxBuffer[256], 0);
        EXPECT_EQ(bench.Lines().back(), "RecieveCRC_Error: 01");
        bench.clock.SleepMs(500);
        bench.link.ReadAvailable();  // what is left of it
    }
}

TEST_F(ModbusTest, ReplyLongerThanExpectedStaysWhole) {
    std::vector<std::uint8_t> reply = Bytes({0x01, 0x06, 0x02, 0x12, 0x34});
    std::uint16_t crc = ModbusCrc16(reply);
    reply.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    reply.push_back(static_cast<std::uint8_t>(crc >> 8));
    bench.module.faults().Always(ReplyFault::NoReply());
    bench.SendToHost(0, reply);
    bench.clock.SleepMs(50);  // all of it waits for the first poll
    EXPECT_EQ(Send(Bytes({1, 6, 0, 0, 0, 1}), 5), 0);
    EXPECT_EQ(bench.Received(), reply);
}

}  // namespace
}  // namespace ksm
