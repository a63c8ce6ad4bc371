#pragma once

#include <string>
#include <string_view>

namespace ksm {

// The number format of every measured value: fixed point with `decimals` decimals and at
// most 7 significant digits, rounded once, halves away from zero, on the exact decimal value
// of `value` (25.125 gives 25.13, -0.125 gives -0.13); a leading minus (none when the
// rounded value is zero); the integer part grouped by thousands. The separators are the
// user's, as UTF-8 text.
std::string FormatDecimal(double value, int decimals, std::string_view decimal_separator,
                          std::string_view thousands_separator);

}  // namespace ksm
