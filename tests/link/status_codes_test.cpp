#include "link/status_codes.h"

#include <gtest/gtest.h>

#include "link/console.h"

namespace ksm {
namespace {

std::vector<std::string> Report(StatusCode code, std::string_view text = {}) {
    ConsoleTextModel pane;
    Console console(pane);
    ReportError(console, code, text);
    return pane.Lines();
}

std::string Padded(std::string words, std::size_t width) {
    return words + std::string(width - Utf8Length(words), ' ');
}

TEST(StatusCodes, EntriesArePaddedByCharactersNotBytes) {
    struct Case {
        StatusCode code;
        std::string words;
        std::size_t width;
    };
    const Case cases[] = {
        {5, "Check cables, and press ''Find Devices'' button...", 63},
        {31, "Błąd f-cji Wyslij_Ramke", 63},
        {30, "Błąd f-cji Otworz_Port_BOX", 66},
        {34, "Błąd f-cji Znajdz_BOX" + std::string(26, ' ') + "````````", 63},
        {4, "Błąd czytania parametrów EEprom FTDI", 63},
        {17, "Brak danych", 63},
        {40, "Błąd funkcji FT_Purge - TX", 63},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(StatusMessage(c.code), Padded(c.words, c.width));
        EXPECT_EQ(Utf8Length(StatusMessage(c.code)), c.width);
    }
}

TEST(StatusCodes, SharedTextsAndCodesWithoutEntry) {
    EXPECT_EQ(StatusMessage(21), StatusMessage(28));
    EXPECT_EQ(StatusMessage(5), StatusMessage(8));
    EXPECT_EQ(StatusMessage(5), StatusMessage(20));
    EXPECT_EQ(StatusMessage(6), StatusMessage(7));
    for (StatusCode code : {0, 9, 22, 25, 41, 300, 0xFFFF}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(StatusMessage(code), Padded("ERROR", 63));
    }
}

TEST(ReportError, HeadingCarriesBothBytesOfTheCode) {
    struct Case {
        StatusCode code;
        std::string heading;
        std::string words;
    };
    const Case cases[] = {
        {5, "Error: 00.05", "Check cables, and press ''Find Devices'' button..."},
        {20, "Error: 00.14", "Check cables, and press ''Find Devices'' button..."},
        {32, "Error: 00.20", "Błąd f-cji Zmien_Predkosc_COM"},
        {300, "Error: 01.2C", "ERROR"},
        {0, "Error: 00.00", "ERROR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(Report(c.code), (std::vector<std::string>{c.heading, Padded(c.words, 63)}));
    }
}

TEST(ReportError, GivenTextReplacesTheMessageCutTo511Characters) {
    EXPECT_EQ(Report(21, "x"), (std::vector<std::string>{"Error: 00.15", "x"}));
    std::string long_text;
    for (int i = 0; i < 600; ++i) long_text += "ł";
    auto lines = Report(21, long_text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Utf8Length(lines[1]), 511u);
}

TEST(ReportError, AddsToWhatTheConsoleAlreadyHolds) {
    ConsoleTextModel pane;
    Console console(pane);
    console.ConsoleSet("earlier");
    console.ConsoleSetColour(ErrorColour);
    ReportError(console, 8);
    auto lines = pane.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "earlier");
    EXPECT_EQ(lines[1], "Error: 00.08");
    EXPECT_EQ(pane.LineColour(1), ErrorColour);
    EXPECT_EQ(pane.LineColour(2), ErrorColour);
}

}  // namespace
}  // namespace ksm
