#include <gtest/gtest.h>

#include "measure_bench.h"

namespace ksm {
namespace {

using test::Bytes;

TEST(ChecksumToolsTest, Crc8ReplacesTheConsoleText) {
    test::MeasureBench b;
    b.console.ConsoleAddLine("earlier");
    EXPECT_TRUE(b.Click("btn2"));
    EXPECT_TRUE(b.Click("btn2"));
    EXPECT_EQ(b.pane.Text(), "CRC: 46");
}

TEST(ChecksumToolsTest, Crc16IsAppendedOnOneLine) {
    test::MeasureBench b;
    b.Click("btn8");
    b.Click("btn8");
    EXPECT_EQ(b.pane.Text(), "58C7 CRC16 LH:  C75858C7 CRC16 LH:  C758");
}

TEST(ChecksumToolsTest, NumberToCharacter) {
    struct Case {
        const char* edit8;
        const char* edit9;
    };
    const Case cases[] = {{"48", "0"}, {"65", "A"}, {"321", "A"}, {"-191", "A"}, {"165", "Ą"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit8);
        test::MeasureBench b;
        b.window.SetText("Edit8", c.edit8);
        b.Click("Button21");
        EXPECT_EQ(b.Text("Edit9"), c.edit9);
        EXPECT_TRUE(b.window.ErrorMessages().empty());
    }
}

TEST(ChecksumToolsTest, TextThatIsNoIntegerIsReportedAndChangesNothing) {
    for (const char* text : {"Edit8", "", "12a", "4294967361"}) {
        SCOPED_TRACE(text);
        test::MeasureBench b;
        b.window.SetText("Edit8", text);
        b.window.SetText("Edit9", "Edit9");
        EXPECT_TRUE(b.Click("Button21"));
        EXPECT_EQ(b.Text("Edit9"), "Edit9");
        EXPECT_EQ(
            b.window.ErrorMessages(),
            std::vector<std::string>{"'" + std::string(text) + "' is not a valid integer value"});
    }
}

TEST(ChecksumToolsTest, ShortFrameGoesOutOnlyOnAnOpenInterface) {
    test::MeasureBench b;
    b.Click("btn9");
    EXPECT_TRUE(b.device.Wire().empty());
    EXPECT_EQ(b.pane.Text(), "");
    EXPECT_TRUE(b.window.ErrorMessages().empty());

    b.Click("btn3");  // leaves the interface open
    b.device.ClearWire();
    b.console.ConsoleClear();
    b.Click("btn9");
    EXPECT_EQ(b.device.Wire(), Bytes({0x02, 0x01, 0x00, 0x01, 0x01}));
    EXPECT_EQ(b.pane.Text(), "");
}

TEST(ChecksumToolsTest, ConversionSampleChangesNothingVisible) {
    test::MeasureBench b;
    b.measurements.LastTemperature = 7.0f;
    b.Click("Button12");
    EXPECT_EQ(b.pane.Text(), "");
    EXPECT_EQ(b.measurements.LastTemperature, 7.0f);
    EXPECT_TRUE(b.device.Wire().empty());
}

TEST(ChecksumToolsTest, FlagOnlyToolsRunWhileAnOperationHoldsTheLink) {
    test::MeasureBench b;
    LinkLease operation = b.tool.link().TryAcquire();
    EXPECT_TRUE(b.Click("btn2"));
    EXPECT_TRUE(b.Click("btn8"));
    EXPECT_TRUE(b.Click("Button21"));
    EXPECT_TRUE(b.Click("Button12"));
    EXPECT_FALSE(b.Click("btn9"));
    EXPECT_FALSE(b.Click("btn3"));
    EXPECT_FALSE(b.Click("BitBtn1"));
}

}  // namespace
}  // namespace ksm
