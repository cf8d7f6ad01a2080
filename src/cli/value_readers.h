// Readers for option values: whole numbers and decimals, both forgiving (no value is an error).
#pragma once

#include <cstdint>
#include <string>

// Blanks and tabs, an optional sign, then "$" and hex digits, "%" and binary digits, or decimal
// digits; reading stops at the first character that does not belong ("12px" is 12, "abc" is 0).
// The result wraps modulo 2^32 into a signed 32-bit value.
std::int32_t ReadNumber(const std::string& text);

// "+Infinity", "-Infinity" and "NaN" in any case; otherwise a decimal number with a point as the
// separator (blanks, sign, digits, fraction, exponent), read up to the first foreign character
// whatever the locale; a text that does not start with a number is 0.
float ReadDecimal(const std::string& text);
