#include "link/status_codes.h"

#include <array>

#include "link/console.h"

namespace ksm {
namespace {

constexpr std::size_t kEntryWidth = 63;
constexpr std::size_t kWideEntryWidth = 66;  // the entry of code 30 is longer than the rest
constexpr std::size_t kMessageTableSize = 41;
constexpr std::size_t kReportBufferSize = 512;

constexpr std::string_view kCheckCables = "Check cables, and press ''Find Devices'' button...";
constexpr std::string_view kListDevices = "Błąd funkcji FT_ListDevices";
constexpr std::string_view kTimeOut = "Time Out";

// Codes without an entry (9, 22, 25) are empty here and print "ERROR".
constexpr std::array<std::string_view, kMessageTableSize> kMessageWords = {
    "ERROR",                                                    // 0
    "Błąd otwarcia FTDI",                                       // 1
    "Błąd zapisu EEprom FTDI",                                  // 2
    "Błąd kasowania EEprom FTDI",                               // 3
    "Błąd czytania parametrów EEprom FTDI",                     // 4
    kCheckCables,                                               // 5
    kListDevices,                                               // 6
    kListDevices,                                               // 7
    kCheckCables,                                               // 8
    "",                                                         // 9
    "Błąd funkcji FTDI FT_SetRts",                              // 10
    "Błąd funkcji FTDI FT_ClrRts",                              // 11
    "Błąd funkcji FTDI FT_Set_BaudRate",                        // 12
    "Błąd funkcji FTDI FT_SetDataCharacteristics",              // 13
    "Błąd funkcji FTDI FT_SetFlowControl",                      // 14
    "Błąd funkcji FTDI FT_Read",                                // 15
    "Błąd funkcji FTDI FT_Get_Status RX",                       // 16
    "Brak danych",                                              // 17
    "Błąd funkcji Led_On",                                      // 18
    "Błąd funkcji FT_Write",                                    // 19
    kCheckCables,                                               // 20
    kTimeOut,                                                   // 21
    "",                                                         // 22
    "Urzadzenie zajete",                                        // 23
    "Błąd funkcji Led_Off",                                     // 24
    "",                                                         // 25
    "Błąd przyjęcia komendy danych przez BOX",                  // 26
    "Błąd odpowiedzi funkcji BOX",                              // 27
    kTimeOut,                                                   // 28
    "Błąd f-cji Czekaj_Na_Dane_Z_Timeout",                      // 29
    "Błąd f-cji Otworz_Port_BOX",                               // 30
    "Błąd f-cji Wyslij_Ramke",                                  // 31
    "Błąd f-cji Zmien_Predkosc_COM",                            // 32
    "Błąd f-cji Czekaj_Na_Dane_Z_Timeout_Direct",               // 33
    "Błąd f-cji Znajdz_BOX                          ````````",  // 34
    "Błąd f-cji Wyslij_Dane_BOX",                               // 35
    "User Abort",                                               // 36
    "Brak gotowosci telefonu na Tryb RVN",                      // 37
    "Telefon nie wszedl w Tryb RVN",                            // 38
    "Błąd funkcji FT_Purge - RX",                               // 39
    "Błąd funkcji FT_Purge - TX",                               // 40
};

std::string PadToWidth(std::string_view words, std::size_t width) {
    std::string entry(words);
    std::size_t length = Utf8Length(words);
    if (length < width) entry.append(width - length, ' ');
    return entry;
}

const std::array<std::string, kMessageTableSize>& MessageTable() {
    static const auto table = [] {
        std::array<std::string, kMessageTableSize> entries;
        for (std::size_t code = 0; code < kMessageTableSize; ++code) {
            std::size_t width = code == status::kInterfaceOpenFailed ? kWideEntryWidth : kEntryWidth;
            std::string_view words = kMessageWords[code].empty() ? kMessageWords[0] : kMessageWords[code];
            entries[code] = PadToWidth(words, width);
        }
        return entries;
    }();
    return table;
}

}  // namespace

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (unsigned char c : text) count += (c & 0xC0) != 0x80;
    return count;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == count) return text.substr(0, i);
    }
    return text;
}

std::string HexByte(std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

const std::string& StatusMessage(StatusCode code) {
    const auto& table = MessageTable();
    return code < table.size() ? table[code] : table[0];
}

void ReportError(Console& console, StatusCode code, std::string_view text) {
    std::string message =
        text.empty() ? StatusMessage(code) : std::string(Utf8Prefix(text, kReportBufferSize - 1));
    console.ConsoleAddLine("Error: " + HexByte(code >> 8) + "." + HexByte(code & 0xFF));
    console.ConsoleAddLine(message);
}

}  // namespace ksm
