#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "measure/char_code.h"
#include "measure/number_format.h"
#include "measure/one_wire_crc.h"
#include "measure/raw_to_celsius.h"
#include "measure/sht_conversion.h"
#include "measure/supply_conversion.h"

namespace ksm {
namespace {

TEST(RawToCelsiusTest, ConvertsDs18b20WordsExactly) {
    struct Case {
        std::uint8_t high, low;
        float celsius;
    };
    const Case cases[] = {
        {0x01, 0x90, 25.0f},   {0x07, 0xD0, 125.0f},   {0x00, 0x00, 0.0f},
        {0xFF, 0xF8, -0.5f},   {0xFF, 0xFF, -0.0625f}, {0xFC, 0x90, -55.0f},
        {0xF0, 0x00, -256.0f}, {0x80, 0x00, 2048.0f},  {0xEF, 0xFF, 3839.9375f},
        {0xF0, 0x60, -250.0f}, {0xF0, 0x50, -251.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.high) << ' ' << int(c.low));
        float celsius = RawToCelsius(c.high, c.low);
        EXPECT_EQ(celsius, c.celsius);
        EXPECT_FALSE(std::signbit(celsius) && celsius == 0.0f);
    }
}

TEST(FormatDecimalTest, RoundsHalvesAwayFromZeroOnTheExactValue) {
    struct Case {
        double value;
        int decimals;
        std::string point_comma;  // "." and ","
        std::string comma_nbsp;   // "," and U+00A0
    };
    const std::string nbsp = "\u00A0";
    const Case cases[] = {
        {25.125, 2, "25.13", "25,13"},
        {-0.125, 2, "-0.13", "-0,13"},
        {-0.0625, 2, "-0.06", "-0,06"},
        {3839.9375, 2, "3,839.94", "3" + nbsp + "839,94"},
        {2048.0, 2, "2,048.00", "2" + nbsp + "048,00"},
        {-256.0, 2, "-256.00", "-256,00"},
        {-250.0, 2, "-250.00", "-250,00"},
        {0.0, 2, "0.00", "0,00"},
        {25.0, 0, "25", "25"},
        {0.5, 0, "1", "1"},
        {-2.5, 0, "-3", "-3"},
        {2.675, 2, "2.67", "2,67"},       // 2.67499999999999982236431605997495353221893310546875
        {99.995, 2, "100.00", "100,00"},  // 99.99500000000000454747350886464118957519531250
        {double{0.125f}, 2, "0.13", "0,13"},
        {double{24.224112f}, 2, "24.22", "24,22"},
        {double{0.0397859f}, 3, "0.040", "0,040"},
        {999.995, 2, "1,000.00", "1" + nbsp + "000,00"},  // 999.99500000000000455...
        {-0.004, 2, "0.00", "0,00"},                      // no minus on a zero
        {1234567.0, 0, "1,234,567", "1" + nbsp + "234" + nbsp + "567"},
        // At most seven significant digits: the rest are zeros.
        {123456789.0, 2, "123,456,800.00", "123" + nbsp + "456" + nbsp + "800,00"},
        {1234.56789, 4, "1,234.5680", "1" + nbsp + "234,5680"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.point_comma);
        EXPECT_EQ(FormatDecimal(c.value, c.decimals, ".", ","), c.point_comma);
        EXPECT_EQ(FormatDecimal(c.value, c.decimals, ",", nbsp), c.comma_nbsp);
    }
}

TEST(FormatDecimalTest, EveryRawWordShowsAsItsExactValueRounded) {
    // Each of the 65536 words against the exact sixteenths, rounded half away from zero.
    for (int raw = 0; raw < 65536; ++raw) {
        float celsius = RawToCelsius(static_cast<std::uint8_t>(raw >> 8), raw & 0xFF);
        long sixteenths = std::lround(celsius * 16);
        long hundredths = (std::labs(sixteenths) * 100 + 8) / 16;  // half of 16 rounds up
        std::string expected = (sixteenths < 0 ? "-" : "") + std::to_string(hundredths / 100) +
                               "." + (hundredths % 100 < 10 ? "0" : "") +
                               std::to_string(hundredths % 100);
        ASSERT_EQ(FormatDecimal(celsius, 2, ".", ""), expected) << raw;
    }
}

TEST(OneWireCrcTest, RomCodeSample) {
    const std::uint8_t rom[] = {0x28, 0x23, 0x77, 0x58, 0x02, 0x00, 0x00, 0x46};
    EXPECT_EQ(OneWireCrc8({rom, 7}), 0x46);
    EXPECT_EQ(OneWireCrc8(rom), 0x00);
    EXPECT_EQ(OneWireCrc8({}), 0x00);
}

TEST(SupplyConversionTest, ScalesTheSupplyByTheSystemVoltageOfTheSameReply) {
    SupplyValues v = ConvertSupply(900, 1000, 100);
    EXPECT_NEAR(v.system_voltage, 5.3414063, 1e-7);
    EXPECT_NEAR(v.supply_voltage, 24.224112, 1e-6);
    EXPECT_NEAR(v.probe_current, 0.0397859, 1e-7);
    EXPECT_EQ(ConvertSupply(900, 0, 0).supply_voltage, 0.0f);
    EXPECT_EQ(ConvertSupply(900, 0, 0).probe_current, 0.0f);
}

TEST(ShtConversionTest, ValuesAndErrorCodes) {
    struct Case {
        std::uint16_t sot, sorh;
        const char *t, *linear, *compensated;
        std::uint16_t code;
    };
    const Case cases[] = {
        {6510, 1500, "25.00", "49.41", "49.41", 0},
        {4010, 0, "0.00", "-2.05", "-2.30", 0},
        {29010, 5420, "250.00", "150.00", "249.81", 5420},
        {29110, 1500, "251.00", "49.41", "78.79", 29110},
        {29010, 1500, "250.00", "49.41", "78.66", 29010},
        {6510, 5472, "25.00", "151.00", "151.00", 5472},
        {29110, 5472, "251.00", "151.00", "252.20", 5472},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sot << ' ' << c.sorh);
        ShtValues v = ConvertSht(c.sot, c.sorh);
        EXPECT_EQ(FormatDecimal(v.temperature, 2, ".", ","), c.t);
        EXPECT_EQ(FormatDecimal(v.rh_linear, 2, ".", ","), c.linear);
        EXPECT_EQ(FormatDecimal(v.rh_compensated, 2, ".", ","), c.compensated);
        EXPECT_EQ(ShtErrorCode(c.sot, c.sorh), c.code);
    }
}

TEST(CharCodeTest, ParsesIntegersAsTheWindowFieldsTakeThem) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"48", 48},
        {"321", 321},
        {"  65", 65},
        {"-191", -191},
        {"+7", 7},
        {"$41", 0x41},
        {"0x7FFFFFFF", 0x7FFFFFFF},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"Edit8", std::nullopt},
        {"", std::nullopt},
        {"12 ", std::nullopt},
        {"1.5", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseInteger(c.text), c.value);
    }
}

TEST(CharCodeTest, CodesAreCharactersOfTheWindowCodePage) {
    EXPECT_EQ(Cp1250Character(48), "0");
    EXPECT_EQ(Cp1250Character(65), "A");
    EXPECT_EQ(Cp1250Character(0xA5), "Ą");
    EXPECT_EQ(Cp1250Character(0xB3), "ł");
    EXPECT_EQ(Cp1250Character(0x80), "€");
    EXPECT_EQ(Cp1250Character(0x81), "\u0081");
}

}  // namespace
}  // namespace ksm
