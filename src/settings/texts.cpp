// The interface text table: built from (key, text) pairs into groups whose entries are sorted by
// upper-cased key, with a first-character index per group and a cache of the last group found;
// lookups by group and key in any letter case, and the %s1%..%s4% substitution.
#include "settings/texts.h"
#include "app/text.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace {

const char* const kNoString = "%NO_STRING_ERROR%";

struct TextGroup {
    std::string name;  // upper-cased
    int first = 0;     // entry numbers; last < first for a group without entries
    int last = -1;
    std::array<int, 256> index {};  // first entry whose key starts with the character, or 0
};

struct TextTable {
    std::vector<TextGroup> groups;   // record 0 is never a valid group
    std::vector<std::string> keys;   // entry numbers from 1; upper-cased
    std::vector<std::string> texts;  // as stored
    int currentGroup = 0;
};

TextTable InterfaceTexts;

// Upper-cases plain ASCII letters only, so UTF-8 bytes pass through unchanged.
unsigned char FirstCode(const std::string& key) {
    return key.empty() ? 0 : static_cast<unsigned char>(key.front());
}

}  // namespace

void LoadTextsFrom(const TextPair* pairs, std::size_t count) {
    TextTable table;
    table.groups.emplace_back();
    table.keys.emplace_back();
    table.texts.emplace_back();

    for (std::size_t i = 0; i < count; ++i) {
        const std::string key = AsciiUpper(pairs[i].key ? pairs[i].key : "");
        const char* text = pairs[i].text ? pairs[i].text : "";
        if (key == "_END_") break;
        if (key == "_GROUP_") {
            TextGroup group;
            group.name = AsciiUpper(std::string(text));
            group.first = static_cast<int>(table.keys.size());
            group.last = group.first - 1;
            table.groups.push_back(std::move(group));
            continue;
        }
        if (table.groups.size() == 1) continue;  // an entry before any group belongs nowhere
        table.keys.push_back(key);
        table.texts.emplace_back(text);
        table.groups.back().last = static_cast<int>(table.keys.size()) - 1;
    }

    for (std::size_t g = 1; g < table.groups.size(); ++g) {
        TextGroup& group = table.groups[g];
        if (group.last < group.first) continue;
        // Sort the group's range by key (then text, so that equal keys keep a fixed order).
        std::vector<std::pair<std::string, std::string>> entries;
        for (int k = group.first; k <= group.last; ++k) {
            entries.emplace_back(std::move(table.keys[k]), std::move(table.texts[k]));
        }
        std::sort(entries.begin(), entries.end());
        for (int k = group.first; k <= group.last; ++k) {
            auto& [key, text] = entries[static_cast<std::size_t>(k - group.first)];
            table.keys[k] = std::move(key);
            table.texts[k] = std::move(text);
            // The group's first entry always opens its character, whatever the entry before it
            // (the last one of the previous group) starts with.
            if (k == group.first || FirstCode(table.keys[k]) != FirstCode(table.keys[k - 1])) {
                group.index[FirstCode(table.keys[k])] = k;
            }
        }
    }
    InterfaceTexts = std::move(table);
}

void LoadTexts() { LoadTextsFrom(BuiltinTexts, BuiltinTextCount); }

std::string GetText(const std::string& group, const std::string& key) {
    TextTable& table = InterfaceTexts;
    if (table.groups.empty()) return kNoString;
    const std::string wantedGroup = AsciiUpper(group);
    const std::string wantedKey = AsciiUpper(key);

    if (table.currentGroup == 0 ||
        table.groups[static_cast<std::size_t>(table.currentGroup)].name != wantedGroup) {
        table.currentGroup = 0;
        for (std::size_t g = 1; g < table.groups.size(); ++g) {
            if (table.groups[g].name == wantedGroup) {
                table.currentGroup = static_cast<int>(g);
                break;
            }
        }
    }
    if (table.currentGroup == 0) return kNoString;

    const TextGroup& current = table.groups[static_cast<std::size_t>(table.currentGroup)];
    int start = current.index[FirstCode(wantedKey)];
    if (start == 0) return kNoString;
    for (int k = start; k <= current.last; ++k) {
        int order = wantedKey.compare(table.keys[static_cast<std::size_t>(k)]);
        if (order == 0) return table.texts[static_cast<std::size_t>(k)];
        if (order < 0) break;
    }
    return kNoString;
}

std::string FormatText(const std::string& text, const std::string& s1, const std::string& s2,
                       const std::string& s3, const std::string& s4) {
    std::string result = text;
    if (result.empty()) return result;
    const std::string* arguments[] = {&s1, &s2, &s3, &s4};
    for (int n = 0; n < 4; ++n) {
        const std::string& argument = *arguments[n];
        if (argument.empty()) continue;
        const std::string placeholder = "%S" + std::to_string(n + 1) + "%";
        // Search forward from after each replacement, so an argument that itself holds its own
        // placeholder is inserted once instead of being expanded without end.
        std::size_t at = 0;
        while (at + placeholder.size() <= result.size()) {
            std::string_view window(result.data() + at, placeholder.size());
            if (AsciiUpper(std::string(window)) == placeholder) {
                result.replace(at, placeholder.size(), argument);
                at += argument.size();
            } else {
                ++at;
            }
        }
    }
    return result;
}
