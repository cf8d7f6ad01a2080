// ASCII case mapping and trimming.
#include "app/text.h"

std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string TrimChars(std::string_view text, std::string_view chars) {
    const auto first = text.find_first_not_of(chars);
    if (first == std::string_view::npos) return "";
    const auto last = text.find_last_not_of(chars);
    return std::string(text.substr(first, last - first + 1));
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
