// ASCII case mapping and trimming.
#include "app/text.h"

#include <locale.h>
#include <wctype.h>

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

namespace {
// Unicode case tables come from the C.UTF-8 locale; without it only ASCII letters change.
locale_t Utf8Locale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

// Decodes the code point at text[at]; its length, or 0 for a byte that starts no valid sequence.
std::size_t DecodeUtf8(const std::string& text, std::size_t at, char32_t& code) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(at);
    std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(at + k) & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

void EncodeUtf8(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Maps the first upperCount characters to upper case and the rest to lower case.
std::string MapCase(const std::string& text, std::size_t upperCount) {
    const locale_t locale = Utf8Locale();
    if (!locale) {
        if (upperCount == 0) return AsciiLower(text);
        return upperCount >= text.size() ? AsciiUpper(text) : AsciiUpper(text.substr(0, upperCount)) + AsciiLower(text.substr(upperCount));
    }
    std::string out;
    out.reserve(text.size());
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(text, at, code);
        if (length == 0) {
            out += text[at++];
        } else {
            const wint_t mapped = characters < upperCount ? towupper_l(static_cast<wint_t>(code), locale)
                                                          : towlower_l(static_cast<wint_t>(code), locale);
            EncodeUtf8(static_cast<char32_t>(mapped), out);
            at += length;
        }
        ++characters;
    }
    return out;
}
}  // namespace

std::string TextUpper(const std::string& text) { return MapCase(text, text.size()); }
std::string TextLower(const std::string& text) { return MapCase(text, 0); }
std::string TextTitle(const std::string& text) { return MapCase(text, 1); }
