// Keyword tables: option words to enumeration codes, and codes back to words for the debug listing.
#pragma once

#include <string>

// Table numbers (see keywords.cpp for their words).
enum KeywordTableNumber : int {
    KwDdsLoadAs = 0, KwRawLoadAs = 1, KwFrameLoading = 2, KwToneMapping = 3, KwCompression = 4,
    KwColorTable = 5, KwColorModel = 6, KwJpgChroma = 7, KwJpgSaveAs = 8, KwRotationType = 9,
    KwSizeUnit = 10, KwResizeType = 11, KwResizeAlgorithm = 12,
    KwFrameType = 13,      // NONE, SOLID: for the debug listing only, no option reads it
    KwWatermarkType = 14,  // NONE, TEXT, IMAGE: likewise
    KwFontStyle = 15, KwFontEffect = 16, KwTextAlignment = 17, KwBoundary = 18, KwPosition = 19,
    KwSizeMode = 20, KwFileTimestamp = 21,
};

// The code of a keyword (any case, whole-word match); 0 when the word or the table is unknown.
// Tables 13 and 14 read no option and always give 0.
int KeywordToCode(int table, const std::string& text);
// The lower-case keyword of a code, "" when the code has none.
std::string KeywordForCode(int table, int code);
