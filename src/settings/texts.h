// The interface text table: English texts looked up by group and key.
#pragma once

#include <cstddef>
#include <string>

// One pair of the text data: a "_GROUP_" key opens the group named by the text, "_END_" ends
// the data, any other key is an entry of the current group.
struct TextPair {
    const char* key;
    const char* text;
};
extern const TextPair BuiltinTexts[];
extern const std::size_t BuiltinTextCount;

// Builds (or rebuilds) the table from the built-in texts.
void LoadTexts();
// Builds the table from other data of the same form (at most count pairs, up to "_END_").
void LoadTextsFrom(const TextPair* pairs, std::size_t count);
// The text of (group, key), matched without regard to case, or "%NO_STRING_ERROR%".
std::string GetText(const std::string& group, const std::string& key);
// Replaces %s1%..%s4% (any case) by the non-empty arguments, in order.
std::string FormatText(const std::string& text, const std::string& s1 = "", const std::string& s2 = "",
                       const std::string& s3 = "", const std::string& s4 = "");
