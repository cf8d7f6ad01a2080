// Small ASCII text helpers shared by the whole program. Letters outside A-Z and a-z (and every
// byte of a UTF-8 sequence) pass through unchanged.
#pragma once

#include <string>
#include <string_view>

std::string AsciiLower(std::string text);
std::string AsciiUpper(std::string text);
// The text without the given characters at both ends.
std::string TrimChars(std::string_view text, std::string_view chars = " \t");
// The value of a hexadecimal digit (either case), or -1.
int HexDigitValue(char c);

// Case mapping of UTF-8 text by Unicode's simple case rules (é and É, ü and Ü), for names a user
// reads; bytes that are not valid UTF-8 pass through unchanged.
std::string TextUpper(const std::string& text);
std::string TextLower(const std::string& text);
// The first character upper-cased, all others lower-cased.
std::string TextTitle(const std::string& text);
