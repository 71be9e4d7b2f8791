#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace unit_parameters {

// Text-to-number readers for the parameter panel's text boxes.

// The decimal number at the start of `text` (leading blanks skipped, reading stops at the
// first character that cannot continue the number), 0 when no number starts the text.
double ReadLeadingDecimal(std::string_view text);

// `text` as a whole is a decimal number (sign, digits, optional fraction), blanks around allowed.
std::optional<double> ReadStrictDecimal(std::string_view text);

// `text` as a whole is a decimal integer with an optional minus sign, blanks around allowed.
std::optional<int> ReadStrictInteger(std::string_view text);

// Rounds to the nearest integer, halves going to the even neighbour (1.5 -> 2, 2.5 -> 2).
double RoundHalfToEven(double value);

// `text` as a whole is an unsigned hexadecimal number that fits 32 bits (digits in either case,
// leading zeros allowed; no prefix, sign or blanks).
std::optional<std::uint32_t> ReadHex32(std::string_view text);

}  // namespace unit_parameters
