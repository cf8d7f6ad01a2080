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
