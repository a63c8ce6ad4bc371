#include "protocol/service_frame.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "protocol/catalogue.h"
#include "support/module_bench.h"

namespace ksm {
namespace {

using sim::ReplyFault;
using test::Bytes;

TEST(ServiceFrameChecks, XorAndSumOfABlock) {
    struct Case {
        std::vector<std::uint8_t> block;
        std::uint8_t xor_value, sum;
    };
    const Case cases[] = {
        {{}, 0x00, 0x00},
        {Bytes({0x01, 0x02, 0x03}), 0x00, 0x06},
        {Bytes({0xFF, 0x02}), 0xFD, 0x01},
        {Bytes({0x7E, 0x30, 0x00, 0x80, 0x80}), 0x4E, 0xAE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FrameXor(c.block), c.xor_value);
        EXPECT_EQ(FrameSum(c.block), c.sum);
    }
}

TEST(ServiceFrameScrambling, KeyIsChainedAndTheDataXoredByPosition) {
    const FrameKeyBytes key{0x11, 0x22, 0x44, 0x88, 0x01, 0x02, 0x04, 0x08};
    ServiceFrame frame{};
    frame[0] = kServiceFrameLength;
    SealFrame(frame, key);
    ServiceFrame plain = frame;
    ScrambleFrame(frame);
    EXPECT_EQ(frame[0], kServiceFrameLength);
    for (std::size_t i = 1; i < 118; ++i) EXPECT_EQ(frame[i], key[(i - 1) % 8]) << i;
    for (std::size_t j = 0; j < 7; ++j) EXPECT_EQ(frame[118 + j], key[j] ^ key[j + 1]);
    EXPECT_EQ(frame[125], key[7]);
    EXPECT_EQ(frame[126], plain[126]);
    EXPECT_EQ(frame[127], plain[127]);
}

TEST(ServiceFrameScrambling, UnscramblingUndoesScramblingForAnyKey) {
    for (unsigned seed = 1; seed <= 500; ++seed) {
        std::mt19937 random(seed);
        ServiceFrame frame;
        for (auto& byte : frame) byte = static_cast<std::uint8_t>(random());
        FrameKeyBytes key;
        for (auto& byte : key) byte = static_cast<std::uint8_t>(random());
        SealFrame(frame, key);
        const ServiceFrame plain = frame;
        ScrambleFrame(frame);
        UnscrambleReply(frame);
        ASSERT_EQ(frame, plain) << "seed " << seed;
        EXPECT_TRUE(FrameChecksMatch(frame));
    }
}

struct ServiceTransactionTest : ::testing::Test {
    test::ModuleBench bench;
    ServiceTransactionTest() { bench.module.EnterProgramMode(); }

    static ServiceFrame Frame(catalogue::ServiceCommand command) {
        ServiceFrame frame{};
        frame[0] = kServiceFrameLength;
        frame[1] = command.command;
        frame[2] = command.sub;
        return frame;
    }
    std::uint8_t Run(const ServiceFrame& frame, std::uint32_t reply_length = 128) {
        return ServiceTransaction(bench.link, frame, 128, catalogue::kServiceTimeoutMs,
                                  reply_length);
    }
    // The frames on the wire, unscrambled as the module does.
    std::vector<ServiceFrame> WireFrames() const {
        std::vector<ServiceFrame> frames;
        const auto& wire = bench.device.Wire();
        for (std::size_t at = 0; at + 128 <= wire.size(); at += 128) {
            ServiceFrame frame;
            std::copy_n(wire.begin() + at, 128, frame.begin());
            UnscrambleReply(frame);
            frames.push_back(frame);
        }
        return frames;
    }
};

TEST_F(ServiceTransactionTest, AcceptedReplyIsLeftUnscrambledInTheReceiveBuffer) {
    bench.module.state().firmware_major = 0x12;
    bench.module.state().firmware_minor = 0x34;
    ASSERT_EQ(Run(Frame(catalogue::kVersionRead)), 0);
    EXPECT_EQ(bench.link.RxBuffer[0], kServiceAccepted);
    EXPECT_EQ(bench.link.RxBuffer[1], 0x12);
    EXPECT_EQ(bench.link.RxBuffer[2], 0x34);
    EXPECT_TRUE(std::equal(bench.module.state().key.begin(), bench.module.state().key.end(),
                           bench.link.RxBuffer.begin() + 118));
    EXPECT_EQ(bench.pane.Text(), "");
}

TEST_F(ServiceTransactionTest, FramesFromOneBufferCarryTheSameParameters) {
    ServiceFrame frame = Frame(catalogue::kWriteAddress);
    std::mt19937 random(7);
    for (std::size_t i = 3; i < 118; ++i) frame[i] = static_cast<std::uint8_t>(random());
    for (std::size_t i = 118; i < 128; ++i) frame[i] = 0xEE;  // not the caller's to fill
    const ServiceFrame written = frame;

    ASSERT_EQ(Run(frame), 0);
    EXPECT_EQ(frame, written);
    frame[1] = catalogue::kVersionRead.command;
    frame[2] = catalogue::kVersionRead.sub;
    ASSERT_EQ(Run(frame), 0);
    EXPECT_EQ(frame[118], 0xEE);

    std::vector<ServiceFrame> sent = WireFrames();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(bench.device.Wire().size(), 256u);
    for (const ServiceFrame& plain : sent) {
        EXPECT_EQ(plain[0], kServiceFrameLength);
        EXPECT_TRUE(std::equal(plain.begin() + 3, plain.begin() + 118, written.begin() + 3));
        EXPECT_TRUE(std::equal(FrameKey.begin(), FrameKey.end(), plain.begin() + 118));
        EXPECT_TRUE(FrameChecksMatch(plain));
    }
    EXPECT_EQ(sent[0][1], 0x70);
    EXPECT_EQ(sent[0][2], 0x00);
    EXPECT_EQ(sent[1][1], 0x30);
    EXPECT_EQ(sent[1][2], 0x00);
    EXPECT_EQ(bench.module.ServiceRequests().size(), 2u);
}

struct FailureCase {
    const char* name;
    std::function<void(test::ModuleBench&)> arrange;
    std::uint32_t reply_length;
    std::uint8_t result;
    const char* console;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

struct ServiceFailures : ServiceTransactionTest, ::testing::WithParamInterface<FailureCase> {};

TEST_P(ServiceFailures, ResultAndConsoleLine) {
    const FailureCase& c = GetParam();
    c.arrange(bench);
    EXPECT_EQ(Run(Frame(catalogue::kVersionRead), c.reply_length), c.result);
    EXPECT_EQ(bench.pane.Text(), c.console);
}

void Fault(test::ModuleBench& bench, ReplyFault fault) { bench.module.faults().Next(fault); }

INSTANTIATE_TEST_SUITE_P(
    EveryRow, ServiceFailures,
    ::testing::Values(
        FailureCase{"Accepted", [](auto&) {}, 128, 0, ""},
        FailureCase{"StatusZero", [](auto& b) { Fault(b, ReplyFault::Status(0)); }, 128, 0, ""},
        FailureCase{"StatusFive", [](auto& b) { Fault(b, ReplyFault::Status(5)); }, 128, 5, ""},
        FailureCase{"Refused", [](auto& b) { Fault(b, ReplyFault::Refuse()); }, 128, 21, ""},
        FailureCase{"NoReply", [](auto& b) { Fault(b, ReplyFault::NoReply()); }, 128, 21,
                    "\n DTI_Error: 21"},
        FailureCase{"DuplicateSerials", [](auto& b) { Fault(b, ReplyFault::DuplicateSerials()); },
                    128, 0, "\nZnaleziono takie same seriale!!!"},
        FailureCase{"XorOffByOne", [](auto& b) { Fault(b, ReplyFault::CorruptByte(126)); }, 128, 1,
                    "\n Error CC: 1"},
        FailureCase{"SumOffByOne", [](auto& b) { Fault(b, ReplyFault::CorruptByte(127)); }, 128, 1,
                    "\n Error CC: 1"},
        FailureCase{"DataByteChanged", [](auto& b) { Fault(b, ReplyFault::CorruptByte(40, 0x80)); },
                    128, 1, "\n Error CC: 1"},
        FailureCase{"CutShort", [](auto& b) { Fault(b, ReplyFault::CutShort(64)); }, 128, 28,
                    "\n DTI_Error: 28"},
        FailureCase{"ReadFails", [](auto& b) { b.bus.faults().FailCall(DriverCall::kRead); }, 128,
                    15, "\n DTI_Error: 15"},
        FailureCase{"QueueStatusFailsMidReply",
                    [](auto& b) {
                        // Half of the reply is in by then.
                        b.pump.At(b.clock.NowMs() + 200,
                                  [&b] { b.bus.faults().FailFromNow(DriverCall::kQueueStatus); });
                    },
                    128, 16, "\n DTI_Error: 16"},
        FailureCase{"NothingExpectedAnyByteWillDo",
                    [](auto& b) { Fault(b, ReplyFault::CutShort(1)); }, 0, 0, ""},
        FailureCase{"NothingExpectedNoneComes", [](auto& b) { Fault(b, ReplyFault::NoReply()); }, 0,
                    21, "\n DTI_Error: 21"},
        FailureCase{"FrameWriteFails",
                    [](auto& b) { b.bus.faults().FailCall(DriverCall::kWrite, 1); }, 128, 19,
                    "\n TDAError: 19"},
        FailureCase{"CheckByteWriteFails",
                    [](auto& b) { b.bus.faults().FailCall(DriverCall::kWrite, 2); }, 128, 19,
                    "\n DCT_Error: 19"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ServiceTransactionTest, WriteFailuresStopBeforeTheRestIsSent) {
    bench.bus.faults().FailCall(DriverCall::kWrite, 1);
    Run(Frame(catalogue::kVersionRead));
    EXPECT_TRUE(bench.device.Wire().empty());
    bench.bus.faults().FailCall(DriverCall::kWrite, 2);
    std::uint64_t start = bench.clock.NowMs();
    Run(Frame(catalogue::kVersionRead));
    EXPECT_EQ(bench.device.Wire().size(), 126u);
    EXPECT_EQ(bench.clock.NowMs(), start);  // no wait for a reply
}

TEST_F(ServiceTransactionTest, MissingReplyIsAwaitedForTheTimeOutAfterTheDelay) {
    bench.module.faults().Next(ReplyFault::NoReply());
    std::uint64_t start = bench.clock.NowMs();
    EXPECT_EQ(Run(Frame(catalogue::kVersionRead)), 21);
    EXPECT_EQ(bench.clock.NowMs() - start, 100u + 600u);
}

TEST_F(ServiceTransactionTest, OnlyFramesOfTheFixedLengthAreSent) {
    EXPECT_EQ(ServiceTransaction(bench.link, Frame(catalogue::kVersionRead), 126, 600, 128), 19);
    EXPECT_TRUE(bench.device.Wire().empty());
    EXPECT_EQ(bench.pane.Text(), "\n TDAError: 19");
}

}  // namespace
}  // namespace ksm
