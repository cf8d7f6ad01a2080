// Tests of the interface text table: the built-in data, lookups, rebuilding and substitution.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "settings/texts.h"

namespace {

const std::string kMissing = "%NO_STRING_ERROR%";

class Texts : public ::testing::Test {
protected:
    void SetUp() override { LoadTexts(); }
    void TearDown() override { LoadTexts(); }
};

struct DataEntry {
    std::string group, key, text;
};

std::vector<DataEntry> BuiltinEntries() {
    std::vector<DataEntry> entries;
    std::string group;
    for (std::size_t i = 0; i < BuiltinTextCount; ++i) {
        std::string key = BuiltinTexts[i].key;
        if (key == "_END_") break;
        if (key == "_GROUP_") {
            group = BuiltinTexts[i].text;
            continue;
        }
        entries.push_back({group, key, BuiltinTexts[i].text});
    }
    return entries;
}

TEST_F(Texts, BuiltinDataHasEveryGroupInOrderWithItsEntryCount) {
    ASSERT_GT(BuiltinTextCount, 0u);
    EXPECT_STREQ(BuiltinTexts[0].key, "_GROUP_");
    EXPECT_STREQ(BuiltinTexts[BuiltinTextCount - 1].key, "_END_");
    std::vector<std::pair<std::string, int>> counts;
    for (const DataEntry& entry : BuiltinEntries()) {
        if (counts.empty() || counts.back().first != entry.group) counts.push_back({entry.group, 0});
        ++counts.back().second;
    }
    const std::vector<std::pair<std::string, int>> expected = {
        {"Menu", 21},  {"General", 7}, {"Msg", 26},
        {"Dialog", 9}, {"Preferences", 199}, {"About", 3},
        {"Custom-Converter", 4}, {"Uninstall", 3},
    };
    EXPECT_EQ(counts, expected);
}

TEST_F(Texts, EveryBuiltinEntryIsFoundInAnyLetterCase) {
    for (const DataEntry& entry : BuiltinEntries()) {
        EXPECT_EQ(GetText(entry.group, entry.key), entry.text) << entry.group << "/" << entry.key;
        std::string lowerGroup, lowerKey;
        for (char c : entry.group) lowerGroup += static_cast<char>(std::tolower(c));
        for (char c : entry.key) lowerKey += static_cast<char>(std::tolower(c));
        EXPECT_EQ(GetText(lowerGroup, lowerKey), entry.text) << lowerGroup << "/" << lowerKey;
    }
}

TEST_F(Texts, NotableTexts) {
    struct Case {
        const char* group;
        const char* key;
        const char* text;
    };
    const Case cases[] = {
        {"msg", "ask BREAK conversion", "Do you want to break the conversion?"},
        {"Preferences", "Frame", "Frame"},
        {"Preferences", "Frame Loading", "Frame Loading:"},
        {"Preferences", "Frame Solid", "Solid Color"},
        {"Preferences", "Frame Type", "Frame:"},
        {"Preferences", "Medium", "Medium"},
        {"Preferences", "Title", "Preferences..."},
        {"About", "Title", "About..."},
        {"Preferences", "Keep Subfolders", "Keep Subfolders:"},
        {"Preferences", "ZLIB9", "ZLib Level 9"},
        {"Msg", "Conversion is not complete", "Conversion stopped"},
        {"Msg", "Files converted", "Files converted: %s1% of %s2%"},
        {"Msg", "Invalid output folder",
         "The following output folder is invalid or doesn't exist:\r\n%s1%\r\n\r\n"
         "Please, correct the output path and try again!"},
        {"Msg", "New Update Text",
         "A new version of Quillon PCX to JPG is available! Are you ready to download it right now?"},
        {"CUSTOM-CONVERTER", "to", "To:"},
        {"Dialog", "All Supported Files", "All Supported Files"},
    };
    for (const Case& c : cases) EXPECT_EQ(GetText(c.group, c.key), c.text) << c.group << "/" << c.key;
}

TEST_F(Texts, MissingGroupsAndKeysGiveTheMarker) {
    struct Case {
        const char* group;
        const char* key;
    };
    const Case cases[] = {
        {"Msg", "No such key"}, {"Nowhere", "Error"}, {"Msg", ""}, {"", "Error"},
        {"Msg", "Erro"},        {"Msg", "Errors"},   {"Msg", "\xC3\x89rror"}, {"Preferences", "Frame "},
    };
    for (const Case& c : cases) EXPECT_EQ(GetText(c.group, c.key), kMissing) << c.group << "/" << c.key;
    // A failed group search must not leave a stale group behind.
    EXPECT_EQ(GetText("Msg", "Error"), "Error");
    EXPECT_EQ(GetText("Nowhere", "Error"), kMissing);
    EXPECT_EQ(GetText("Msg", "Error"), "Error");
}

TEST_F(Texts, RebuildingGivesTheSameTable) {
    std::map<std::string, std::string> first;
    for (const DataEntry& entry : BuiltinEntries()) {
        first[entry.group + "/" + entry.key] = GetText(entry.group, entry.key);
    }
    GetText("Dialog", "OK");  // leave a current group behind
    LoadTexts();
    for (const DataEntry& entry : BuiltinEntries()) {
        EXPECT_EQ(GetText(entry.group, entry.key), first[entry.group + "/" + entry.key]);
    }
    EXPECT_EQ(GetText("Dialog", "Nope"), kMissing);
}

TEST_F(Texts, DataEdgeCases) {
    const TextPair data[] = {
        {"Stray", "before any group"},
        {"_group_", "First"},
        {"Zebra", "z1"},
        {"apple", "a1"},
        {"_GROUP_", "Second"},
        {"Zulu", "z3"},
        {"Zoo", "z2"},          // the group's first key starts like the last one of the group before
        {"_GROUP_", "Empty"},
        {"_Group_", "Third"},
        {"Medium", "Medium"},   // a key given twice with the same text
        {"Key", "k3"},
        {"Medium", "Medium"},
        {"Mediu", "short"},
        {"_end_", ""},
        {"After", "the end"},
    };
    LoadTextsFrom(data, sizeof data / sizeof data[0]);
    EXPECT_EQ(GetText("First", "zebra"), "z1");
    EXPECT_EQ(GetText("First", "APPLE"), "a1");
    EXPECT_EQ(GetText("Second", "Zoo"), "z2");
    EXPECT_EQ(GetText("Second", "Zulu"), "z3");
    EXPECT_EQ(GetText("Third", "Medium"), "Medium");
    EXPECT_EQ(GetText("Third", "Mediu"), "short");
    EXPECT_EQ(GetText("Second", "Zebra"), kMissing);
    EXPECT_EQ(GetText("Empty", "Key"), kMissing);
    EXPECT_EQ(GetText("Third", "Key"), "k3");
    EXPECT_EQ(GetText("Third", "After"), kMissing);
    EXPECT_EQ(GetText("First", "Stray"), kMissing);
}

TEST(FormatText, ReplacesNonEmptyArgumentsInOrder) {
    struct Case {
        const char* text;
        const char* s1;
        const char* s2;
        const char* s3;
        const char* s4;
        const char* expected;
    };
    const Case cases[] = {
        {"Files converted: %s1% of %s2%", "3", "10", "", "", "Files converted: 3 of 10"},
        {"Files converted: %s1% of %s2%", "3", "", "", "", "Files converted: 3 of %s2%"},
        {"(%S1%/%s2%)", "1", "2", "", "", "(1/2)"},
        {"%s1% %s1% %S1%", "x", "", "", "", "x x x"},
        {"%s4%%s3%%s2%%s1%", "a", "b", "c", "d", "dcba"},
        {"%s1%", "%s2%", "two", "", "", "two"},     // a later argument fills what s1 brought in
        {"%s2%", "one", "%s1%", "", "", "%s1%"},    // an earlier one does not
        {"%s1%", "%s1%%S1%", "", "", "", "%s1%%S1%"},  // inserted once, no endless expansion
        {"", "x", "", "", "", ""},
        {"no placeholders", "x", "y", "", "", "no placeholders"},
        {"%s1", "x", "", "", "", "%s1"},
        {"%s5%", "1", "2", "3", "4", "%s5%"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatText(c.text, c.s1, c.s2, c.s3, c.s4), c.expected) << c.text;
    }
}

}  // namespace
