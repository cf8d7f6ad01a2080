// Version text and title.
#include "app/identity.h"

std::string MakeVersionText(int version) {
    std::string digits = std::to_string(version);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        text += digits[i];
        if (i < 2 && i + 1 < digits.size()) text += '.';
    }
    if (!text.empty() && text.back() == '0') text.resize(3);
    return text;
}

std::string MakeTitle() { return std::string(ProductTitle) + " " + MakeVersionText(VersionNumber); }
