// Product identity: title, version number and the texts made from them.
#pragma once

#include <string>

inline constexpr const char* ProductTitle = "Quillon PCX to JPG";
inline constexpr const char* ProductShortName = "lumadex";
inline constexpr int VersionNumber = 270;
inline constexpr const char* MakerWebsite = "https://www.quillon.example";
inline constexpr const char* MakerMail = "support@quillon.example";

// 270 gives "2.7", 271 gives "2.7.1".
std::string MakeVersionText(int version);
// "Quillon PCX to JPG 2.7"
std::string MakeTitle();
