// The keyword tables that turn option words into enumeration codes, and codes back into the
// lower-case words of the debug listing.
#include "cli/keywords.h"
#include "app/text.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {
struct Keyword {
    const char* word;
    int code;
};

using KeywordTable = std::vector<Keyword>;

// Indexed by table number. Tables 13 and 14 serve only the debug listing.
const std::vector<KeywordTable>& Tables() {
    static const std::vector<KeywordTable> tables = {
        /* 0 */ {{"AUTO", 0}, {"BGRA", 1}, {"RGBA", 2}},
        /* 1 */ {{"AUTO", 0}, {"8", 1}, {"16", 2}, {"24", 3}, {"48HS", 4}, {"48", 5}},
        /* 2 */ {{"ALL", 0}, {"FIRST", 1}, {"MIDDLE", 2}, {"LAST", 3}, {"RANDOM", 4}},
        /* 3 */ {{"NONE", 0}, {"LINEAR", 1}, {"AL", 2}, {"DRR", 3}, {"GD", 4}},
        // One list for the compression of every format: a word keeps its code whatever the
        // format, so several words share a code.
        /* 4 */ {{"NONE", 0}, {"RLE", 1}, {"ZIP", 1}, {"PIZ", 2}, {"PXR24", 3}, {"B44", 4},
                 {"ZLIB1", 1}, {"ZLIB6", 2}, {"ZLIB9", 3}, {"CCITTFAX3", 1}, {"CCITTFAX4", 2},
                 {"PACKBITS", 3}, {"DEFLATE", 4}, {"ADOBEDEFLATE", 5}, {"LZW", 6}, {"JPEG", 7},
                 {"LOGLUV", 8}},
        /* 5 */ {{"AUTO", 0}, {"EXACT", 1}},
        /* 6 */ {{"RGB", 0}, {"CMYK", 1}, {"LAB", 2}},
        /* 7 */ {{"NONE", 0}, {"LOW", 1}, {"MEDIUM", 2}, {"HIGH", 3}},
        /* 8 */ {{"STANDARD", 0}, {"SIMPLE", 1}, {"OPTIMIZED", 2}, {"PROGRESSIVE", 3}},
        /* 9 */ {{"SIMPLE", 0}, {"ADVANCED", 1}},
        /* 10 */ {{"PIXELS", 0}, {"PERCENT", 1}},
        /* 11 */ {{"ALLIMAGES", 0}, {"LARGEIMAGES", 1}},
        /* 12 */ {{"BOX", 0}, {"BILINEAR", 1}, {"BSPLINE", 2}, {"BICUBIC", 3}, {"CATMULLROM", 4},
                  {"LANCZOS", 5}},
        /* 13 */ {{"NONE", 0}, {"SOLID", 1}},
        /* 14 */ {{"NONE", 0}, {"TEXT", 1}, {"IMAGE", 2}},
        /* 15 */ {{"REGULAR", 0}, {"BOLD", 1}, {"ITALIC", 2}, {"BOLDITALIC", 3}},
        /* 16 */ {{"NONE", 0}, {"UNDERLINE", 1}, {"STRIKETHROUGHT", 2}},
        /* 17 */ {{"LEFT", 0}, {"CENTER", 1}, {"RIGHT", 2}},
        /* 18 */ {{"IMAGE", 0}, {"FRAME", 1}},
        /* 19 */ {{"TOPLEFT", 0}, {"TOPCENTER", 1}, {"TOPRIGHT", 2}, {"MIDDLELEFT", 3},
                  {"MIDDLECENTER", 4}, {"MIDDLERIGHT", 5}, {"BOTTOMLEFT", 6}, {"BOTTOMCENTER", 7},
                  {"BOTTOMRIGHT", 8}},
        /* 20 */ {{"FIXED", 0}},
        /* 21 */ {{"CURRENT", 0}, {"ORIGINAL", 1}, {"CUSTOM", 2}},
    };
    return tables;
}

bool ReadsOptions(int table) { return table != KwFrameType && table != KwWatermarkType; }
}  // namespace

int KeywordToCode(int table, const std::string& text) {
    if (table < 0 || table >= static_cast<int>(Tables().size()) || !ReadsOptions(table)) return 0;
    const std::string upper = AsciiUpper(text);
    for (const Keyword& keyword : Tables()[static_cast<std::size_t>(table)])
        if (upper == keyword.word) return keyword.code;
    return 0;
}

std::string KeywordForCode(int table, int code) {
    // The compression list mixes the code sets of five formats, so a code alone does not say
    // which word is meant; it has no word of its own.
    if (table < 0 || table >= static_cast<int>(Tables().size()) || table == KwCompression) return "";
    for (const Keyword& keyword : Tables()[static_cast<std::size_t>(table)]) {
        if (keyword.code != code) continue;
        return AsciiLower(keyword.word);
    }
    return "";
}
