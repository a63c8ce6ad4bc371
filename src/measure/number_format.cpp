#include "measure/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace ksm {
namespace {

constexpr int kSignificantDigits = 7;
// Enough decimal places for the exact value of any double, subnormals included.
constexpr int kMaxPlaces = 1130;

// The exact decimal digits of a finite, non-negative value, and how many of them lie before
// the point.
struct ExactDecimal {
    std::string digits;
    int point = 0;
};

ExactDecimal ExactDigits(double magnitude) {
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    // The lowest bit of a double lies at most 53 - exponent binary places after the point,
    // and that many decimal places hold its value exactly, so nothing is rounded here.
    const int places = std::clamp(std::numeric_limits<double>::digits - exponent, 0, kMaxPlaces);
    std::array<char, 1500> text;
    auto result = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                std::chars_format::fixed, places);
    ExactDecimal exact;
    for (const char* c = text.data(); c != result.ptr; ++c) {
        if (*c == '.') {
            exact.point = static_cast<int>(exact.digits.size());
        } else {
            exact.digits.push_back(*c);
        }
    }
    if (places == 0) exact.point = static_cast<int>(exact.digits.size());
    return exact;
}

std::string Grouped(std::string_view integer, std::string_view separator) {
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) grouped.append(separator);
        grouped.push_back(integer[i]);
    }
    return grouped;
}

}  // namespace

std::string FormatDecimal(double value, int decimals, std::string_view decimal_separator,
                          std::string_view thousands_separator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    decimals = std::clamp(decimals, 0, kMaxPlaces);

    ExactDecimal exact = ExactDigits(std::fabs(value));
    std::string& digits = exact.digits;
    int& point = exact.point;
    // Rounded once, at the tighter of the two limits: the decimals asked for, or the seventh
    // significant digit.
    int keep = point + decimals;
    auto first = std::find_if(digits.begin(), digits.end(), [](char c) { return c != '0'; });
    if (first != digits.end())
        keep = std::min(keep, static_cast<int>(first - digits.begin()) + kSignificantDigits);
    // Half away from zero on the magnitude: up whenever the first dropped digit is 5 or more.
    if (keep < static_cast<int>(digits.size()) && digits[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            ++point;
            ++keep;
        } else {
            ++digits[i];
        }
    }
    digits.resize(std::min<std::size_t>(keep, digits.size()));
    digits.resize(point + decimals, '0');

    std::string_view integer(digits.data(), point);
    while (integer.size() > 1 && integer.front() == '0') integer.remove_prefix(1);
    const bool zero = std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });

    std::string text;
    if (value < 0 && !zero) text.push_back('-');
    text += Grouped(integer, thousands_separator);
    if (decimals > 0) {
        text.append(decimal_separator);
        text.append(digits, point, decimals);
    }
    return text;
}

}  // namespace ksm
