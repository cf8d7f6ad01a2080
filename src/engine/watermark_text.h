// Colours with alpha and the watermark text with its naming tokens expanded.
#pragma once

#include <cstdint>
#include <string>

struct Rgba {
    std::uint8_t red = 0, green = 0, blue = 0, alpha = 0;
    bool operator==(const Rgba&) const = default;
};

// A six-digit colour text with the given alpha (clamped to 0..255); a text that is not six
// characters long is black.
Rgba HexToRGBA(const std::string& text, int alpha);
// The same colour written 0xAARRGGBB, as the drawing module takes it.
std::uint32_t PackRgba(Rgba colour);

// Frame widths and stamp offsets are brought into this range before any arithmetic, so that
// no sum can overflow; every picture is far smaller, so the outcome is the same.
inline int ClampDistance(int value) {
    constexpr int limit = 1 << 24;
    return value < -limit ? -limit : value > limit ? limit : value;
}

// Watermark/Text with the naming tokens replaced by their current values. A text with fewer
// than two "%" cannot hold a token and comes back unchanged; the text keeps its own case.
std::string ExpandWatermarkText();
