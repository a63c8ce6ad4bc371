#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ksm {

// A 32-bit integer written as the window's integer fields take it: optional leading blanks,
// an optional sign, decimal digits or hexadecimal ones after "$" or "0x". Nothing else may
// follow; a value outside the 32-bit range is no integer either.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// The conversion error shown for a text that is no integer.
std::string NotAnIntegerMessage(std::string_view text);

// The character of a code in the window's code page (Windows-1250), as UTF-8.
std::string Cp1250Character(std::uint8_t code);

}  // namespace ksm
