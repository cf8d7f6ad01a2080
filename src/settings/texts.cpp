// Placeholder until the text table lands.
#include "settings/texts.h"
void LoadTexts() {}
std::string GetText(const std::string&, const std::string&) { return "%NO_STRING_ERROR%"; }
std::string FormatText(const std::string& text, const std::string&, const std::string&, const std::string&,
                       const std::string&) { return text; }
