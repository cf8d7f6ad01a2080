// Keyword tables: words to codes for options, codes to lower-case words for the debug listing.
#include <gtest/gtest.h>

#include "cli/keywords.h"

namespace {
struct KeywordCase {
    int table;
    const char* text;
    int expected;
};

TEST(KeywordToCode, MatchesWholeWordsInAnyCase) {
    const KeywordCase cases[] = {
        {KwResizeAlgorithm, "lanczos", 5},   {KwResizeAlgorithm, "LANCZOS", 5},
        {KwResizeAlgorithm, "spline", 0},    {KwResizeAlgorithm, "bicubic", 3},
        {KwResizeAlgorithm, "bi", 0},        {KwResizeAlgorithm, "bicubicx", 0},
        {KwRawLoadAs, "48", 5},              {KwRawLoadAs, "48hs", 4},
        {KwRawLoadAs, "16", 2},              {KwDdsLoadAs, "rgba", 2},
        {KwFrameLoading, "Random", 4},       {KwToneMapping, "drr", 3},
        // one compression list for every format, shared codes included
        {KwCompression, "lzw", 6},           {KwCompression, "ZIP", 1},
        {KwCompression, "rle", 1},           {KwCompression, "zlib9", 3},
        {KwCompression, "logluv", 8},        {KwCompression, "piz", 2},
        {KwColorTable, "exact", 1},          {KwColorModel, "lab", 2},
        {KwJpgChroma, "high", 3},            {KwJpgSaveAs, "progressive", 3},
        {KwRotationType, "advanced", 1},     {KwSizeUnit, "percent", 1},
        {KwResizeType, "largeimages", 1},    {KwFontStyle, "bolditalic", 3},
        {KwFontEffect, "strikethrought", 2}, {KwFontEffect, "strikethrough", 0},
        {KwTextAlignment, "right", 2},       {KwBoundary, "frame", 1},
        {KwPosition, "bottomright", 8},      {KwPosition, "middlecenter", 4},
        {KwSizeMode, "fixed", 0},            {KwFileTimestamp, "custom", 2},
        {KwFileTimestamp, "original", 1},    {KwFileTimestamp, "", 0},
        // tables that read no option, and numbers outside the list
        {KwFrameType, "solid", 0},           {KwWatermarkType, "image", 0},
        {-1, "AUTO", 0},                     {22, "AUTO", 0},
    };
    for (const KeywordCase& c : cases)
        EXPECT_EQ(KeywordToCode(c.table, c.text), c.expected) << "table " << c.table << " \"" << c.text << '"';
}

TEST(KeywordForCode, GivesTheLowerCaseWordOfTheSettingsOwnCodeSet) {
    EXPECT_EQ(KeywordForCode(KwResizeAlgorithm, 3), "bicubic");
    EXPECT_EQ(KeywordForCode(KwFrameType, 1), "solid");
    EXPECT_EQ(KeywordForCode(KwWatermarkType, 2), "image");
    EXPECT_EQ(KeywordForCode(KwWatermarkType, 0), "none");
    EXPECT_EQ(KeywordForCode(KwFontEffect, 2), "strikethrought");
    EXPECT_EQ(KeywordForCode(KwPosition, 8), "bottomright");
    EXPECT_EQ(KeywordForCode(KwFileTimestamp, 2), "custom");
    EXPECT_EQ(KeywordForCode(KwJpgSaveAs, 0), "standard");
    // A code without a word prints nothing.
    EXPECT_EQ(KeywordForCode(KwResizeAlgorithm, 6), "");
    EXPECT_EQ(KeywordForCode(KwSizeMode, 1), "");
    EXPECT_EQ(KeywordForCode(KwJpgChroma, -1), "");
    EXPECT_EQ(KeywordForCode(99, 0), "");
    // The shared compression list cannot tell one format's word from another's.
    EXPECT_EQ(KeywordForCode(KwCompression, 1), "");
}

TEST(KeywordTables, EveryWordReadsBackAsItsCode) {
    // Round trip over the tables whose codes are unique: each word found for a code maps back.
    for (int table = 0; table <= KwFileTimestamp; ++table) {
        if (table == KwCompression || table == KwFrameType || table == KwWatermarkType) continue;
        for (int code = 0; code < 16; ++code) {
            const std::string word = KeywordForCode(table, code);
            if (!word.empty()) {
                EXPECT_EQ(KeywordToCode(table, word), code) << "table " << table << " " << word;
            }
        }
    }
}
}  // namespace
