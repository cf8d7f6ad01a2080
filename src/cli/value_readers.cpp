// Number and decimal readers for option values and profile values.
#include "cli/value_readers.h"
#include "app/text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <strings.h>

namespace {
// The value of a digit in any base up to 16; 99 for any other character, so that it stops a read.
int DigitValue(char c) {
    const int value = HexDigitValue(c);
    return value < 0 ? 99 : value;
}
}  // namespace

std::int32_t ReadNumber(const std::string& text) {
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string::npos) return 0;
    bool negative = false;
    if (text[at] == '+' || text[at] == '-') negative = text[at++] == '-';
    int base = 10;
    if (at < text.size() && text[at] == '$') {
        base = 16;
        ++at;
    } else if (at < text.size() && text[at] == '%') {
        base = 2;
        ++at;
    }
    // Unsigned arithmetic wraps, which is exactly the modulo 2^32 the value is defined with.
    std::uint32_t value = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at]);
        if (digit >= base) break;
        value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

float ReadDecimal(const std::string& text) {
    const std::string trimmed = TrimChars(text);
    if (strcasecmp(trimmed.c_str(), "+Infinity") == 0) return std::numeric_limits<float>::infinity();
    if (strcasecmp(trimmed.c_str(), "-Infinity") == 0) return -std::numeric_limits<float>::infinity();
    if (strcasecmp(trimmed.c_str(), "NaN") == 0) return std::numeric_limits<float>::quiet_NaN();

    std::size_t at = 0;
    bool negative = false;
    if (at < trimmed.size() && (trimmed[at] == '+' || trimmed[at] == '-')) negative = trimmed[at++] == '-';
    // Only plain decimal notation counts: from_chars alone would also take "inf" and "nan".
    const bool startsWithDigit = at < trimmed.size() && DigitValue(trimmed[at]) < 10;
    const bool startsWithPoint = at + 1 < trimmed.size() && trimmed[at] == '.' && DigitValue(trimmed[at + 1]) < 10;
    if (!startsWithDigit && !startsWithPoint) return 0.0f;

    const char* first = trimmed.data() + at;
    const char* last = trimmed.data() + trimmed.size();
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large becomes infinite, too small becomes zero; tell them apart by the exponent.
        const std::string_view number(first, static_cast<std::size_t>(result.ptr - first));
        const auto e = number.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return static_cast<float>(negative ? -value : value);
}
