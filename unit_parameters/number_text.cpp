#include "unit_parameters/number_text.h"

#include <charconv>
#include <cmath>

namespace unit_parameters {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the longest prefix of `text` shaped [sign] digits [. digits] with at least one digit.
std::size_t DecimalPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        std::size_t fraction = 0;
        std::size_t j = i + 1;
        while (j < text.size() && IsDigit(text[j])) ++j, ++fraction;
        if (digits + fraction > 0) i = j;
        digits += fraction;
    }
    return digits == 0 ? 0 : i;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The value of a number DecimalPrefixLength accepted. from_chars reads the point
// as "." whatever the user's locale; it takes no "+" and leaves too long a number
// unset, which then reads as infinity (digits before the point) or zero.
double ParseDecimal(std::string_view number) {
    const bool negative = number.front() == '-';
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc::result_out_of_range) return value;
    const bool large = number.find_first_not_of("-0") < number.find('.');
    const double magnitude = large ? HUGE_VAL : 0.0;
    return negative ? -magnitude : magnitude;
}

}  // namespace

double ReadLeadingDecimal(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    const std::size_t length = DecimalPrefixLength(text);
    return length == 0 ? 0.0 : ParseDecimal(text.substr(0, length));
}

std::optional<double> ReadStrictDecimal(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || DecimalPrefixLength(text) != text.size()) return std::nullopt;
    return ParseDecimal(text);
}

std::optional<int> ReadStrictInteger(std::string_view text) {
    text = TrimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

double RoundHalfToEven(double value) {
    const double floor = std::floor(value);
    const double rest = value - floor;
    if (rest > 0.5) return floor + 1;
    if (rest < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::optional<std::uint32_t> ReadHex32(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::uint32_t value = 0;
    int significantDigits = 0;
    for (const char c : text) {
        int digit;
        if (IsDigit(c)) {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return std::nullopt;
        }
        if (value != 0 || digit != 0) ++significantDigits;
        if (significantDigits > 8) return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

}  // namespace unit_parameters
