#include <gtest/gtest.h>

#include "measure_bench.h"

namespace ksm {
namespace {

using sim::ReplyFault;
using test::Bytes;

struct SupplyTest : ::testing::Test {
    test::MeasureBench bench;
    std::array<std::uint16_t, 7>& supply = bench.state.supply;
};

TEST_F(SupplyTest, LabelsShowTheVoltagesAndCurrentOfOneReply) {
    supply[sim::ModuleState::kSystemRaw] = 1000;
    supply[sim::ModuleState::kSupplyRaw] = 900;
    supply[sim::ModuleState::kCurrentRaw] = 100;

    EXPECT_TRUE(bench.Click("Button8"));

    EXPECT_EQ(bench.device.Wire(), Bytes({0x01, 0x06, 0x00, 0x00, 0x00, 0x07, 0xC8, 0x08}));
    EXPECT_EQ(bench.Text("Label7"), "Napięcie systemowe: 5.34V");
    EXPECT_EQ(bench.Text("Label6"), "Napięcie zasilania: 24.22V");
    EXPECT_EQ(bench.Text("Label12"), "Natężenie I sondy:  0.040A");
    EXPECT_EQ(bench.Text("Memo1"), "19");
    // The reply is appended to the request trace, and the whole text is in the base colour.
    std::vector<std::string> lines = bench.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "01 06 00 00 00 07 C8 08 ");
    EXPECT_TRUE(lines[1].starts_with("01 06 0E 03 84 03 E8 ")) << lines[1];
    EXPECT_EQ(lines[1].size(), 19u * 3);
    for (std::size_t i = 0; i < bench.pane.Text().size(); ++i)
        ASSERT_EQ(bench.pane.ColourAt(i), kConsoleBaseColour);
    EXPECT_TRUE(bench.window.IsEnabled("Button8"));
}

TEST_F(SupplyTest, ZeroRawValuesAndTheLocaleSeparator) {
    struct Case {
        std::uint16_t system, supply, current;
        const char *label7, *label6, *label12;
    };
    const Case cases[] = {
        {1000, 900, 0, "Napięcie systemowe: 5,34V", "Napięcie zasilania: 24,22V",
         "Natężenie I sondy:  0,000A"},
        {0, 900, 100, "Napięcie systemowe: 0,00V", "Napięcie zasilania: 0,00V",
         "Natężenie I sondy:  0,040A"},
        {1023, 1023, 1023, "Napięcie systemowe: 5,46V", "Napięcie zasilania: 28,17V",
         "Natężenie I sondy:  0,407A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label7);
        test::MeasureBench b;
        b.window.SetSeparators(",", "\u00A0");
        b.state.supply[sim::ModuleState::kSystemRaw] = c.system;
        b.state.supply[sim::ModuleState::kSupplyRaw] = c.supply;
        b.state.supply[sim::ModuleState::kCurrentRaw] = c.current;
        EXPECT_EQ(b.measurements.ReadSupplyVoltages(1), 0);
        EXPECT_EQ(b.Text("Label7"), c.label7);
        EXPECT_EQ(b.Text("Label6"), c.label6);
        EXPECT_EQ(b.Text("Label12"), c.label12);
    }
}

TEST_F(SupplyTest, AFailedReadingKeepsTheLabels) {
    bench.window.SetText("Label7", "Napięcie systemowe:  --.-- V");
    bench.module.faults().Next(ReplyFault::NoReply());
    EXPECT_EQ(bench.measurements.ReadSupplyVoltages(1), 17);
    EXPECT_EQ(bench.Text("Label7"), "Napięcie systemowe:  --.-- V");
    EXPECT_EQ(bench.Lines().back(),
              "Sprawdz interface lub skoryguj adres w Pomiary-Sterowanie... ");
    EXPECT_EQ(bench.Text("Memo1"), "0");
}

TEST(ShtTest, LabelsAndCodesOfTheHumidityReading) {
    struct Case {
        std::uint16_t sot, sorh;
        const char *label8, *label9, *label10;
        StatusCode code;
    };
    const Case cases[] = {
        {6510, 1500, "Temperatura SHTxx: 25.00'C", "RH(linear): 49.41%", "RH(compensated): 49.41%",
         0},
        {4010, 0, "Temperatura SHTxx: 0.00'C", "RH(linear): -2.05%", "RH(compensated): -2.30%", 0},
        {29010, 5420, "Temperatura SHTxx: 250.00'C", "RH(linear): 150.00%",
         "RH(compensated): 249.81%", 5420},
        {29110, 1500, "Temperatura SHTxx: 251.00'C", "RH(linear): 49.41%",
         "RH(compensated): 78.79%", 29110},
        {29010, 1500, "Temperatura SHTxx: 250.00'C", "RH(linear): 49.41%",
         "RH(compensated): 78.66%", 29010},
        {6510, 5472, "Temperatura SHTxx: 25.00'C", "RH(linear): 151.00%",
         "RH(compensated): 151.00%", 5472},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label8);
        test::MeasureBench b;
        b.state.sht_temperature = c.sot;
        b.state.sht_humidity = c.sorh;
        EXPECT_EQ(b.measurements.ReadShtValues(1), c.code);
        EXPECT_EQ(b.Text("Label8"), c.label8);
        EXPECT_EQ(b.Text("Label9"), c.label9);
        EXPECT_EQ(b.Text("Label10"), c.label10);
        EXPECT_EQ(b.Text("Memo1"), "9");
    }
}

TEST(ShtTest, ButtonSendsTheRequestAndShowsTheReplyUnderIt) {
    test::MeasureBench b;
    EXPECT_TRUE(b.Click("BitBtn3"));
    EXPECT_EQ(b.device.Wire(), Bytes({0x01, 0x04, 0x00, 0x00, 0x00, 0x02, 0x71, 0xCB}));
    ASSERT_EQ(b.Lines().size(), 2u);
    EXPECT_TRUE(b.Lines()[1].starts_with("01 04 04 19 6E 05 DC ")) << b.Lines()[1];
    EXPECT_EQ(b.LineColour(1), RxDumpColour);
    EXPECT_TRUE(b.window.IsEnabled("BitBtn3"));

    // A failure keeps the labels and is not counted by the button.
    b.module.faults().Next(ReplyFault::NoReply());
    b.state.sht_temperature = 29010;
    b.Click("BitBtn3");
    EXPECT_EQ(b.Text("Label8"), "Temperatura SHTxx: 25.00'C");
    EXPECT_EQ(b.Count(ErrorCounter::kNoDataErrors), 0);
}

}  // namespace
}  // namespace ksm
