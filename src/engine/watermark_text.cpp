// Colours with alpha for the frame and the watermark, and the expansion of the watermark text.
#include "engine/watermark_text.h"
#include "app/text.h"

#include <algorithm>

#include "engine/naming.h"
#include "settings/settings.h"

Rgba HexToRGBA(const std::string& text, int alpha) {
    const Rgb colour = HexToColor(text);
    return {colour.red, colour.green, colour.blue, static_cast<std::uint8_t>(std::clamp(alpha, 0, 255))};
}

std::uint32_t PackRgba(Rgba colour) {
    return static_cast<std::uint32_t>(colour.alpha) << 24 | static_cast<std::uint32_t>(colour.red) << 16 |
           static_cast<std::uint32_t>(colour.green) << 8 | colour.blue;
}

std::string ExpandWatermarkText() {
    std::string text = Settings.watermark.text;
    if (std::count(text.begin(), text.end(), '%') < 2) return text;
    const std::string folded = AsciiLower(text);
    for (const char* token : NamingTokens)
        if (folded.find(token) != std::string::npos) text = ExpandToken(text, token);
    return text;
}
