// Output file naming: the filename mask, its tokens and the full output path.
#pragma once

#include <string>

// The tokens in the order ExpandMask tries them.
inline constexpr const char* NamingTokens[] = {
    "%filename%", "%filename[u]%", "%filename[l]%", "%filename[t]%", "%ext%",   "%ext[u]%",
    "%ext[t]%",   "%yyyy%",        "%mm%",          "%dd%",          "%hh%",    "%ii%",
    "%ss%",       "%bpp%",         "%width%",       "%height%",      "%rnd%",   "%n%",
};

// The mask used when the filename mask is empty.
inline constexpr const char* DefaultFilenameMask = "%filename%.%ext%";

// Replaces every occurrence of token in text (found without regard to case) by the token's
// current value from the conversion job and the clock. Text without the token comes back as is;
// an unknown token is replaced by nothing.
std::string ExpandToken(const std::string& text, const std::string& token);
// The file name a mask gives for the current picture. Literal text of the mask is lower-cased.
std::string ExpandMask(const std::string& mask);
// The current output folder, the relative sub-folder when sub-folders are kept, and the
// expanded filename mask.
std::string BuildOutputPath();

// A number written in decimal, padded on the left with "0" to five characters; a longer number
// keeps its first five characters.
std::string PadToFive(long long number);
