// Placeholder until the settings record lands.
#include "settings/settings.h"
#include <ctime>
ConversionSettings Settings;
const char* const MakerNotice = "\u00A9 Quillon Software";
void ResetSettings(bool) { Settings = ConversionSettings{}; }
Rgb HexToColor(const std::string&) { return {}; }
std::string ColorToHex(Rgb) { return "000000"; }
std::int32_t LocalNow() { return static_cast<std::int32_t>(std::time(nullptr)); }
