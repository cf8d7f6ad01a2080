// The interface text table: English texts looked up by group and key.
#pragma once

#include <string>

// Builds (or rebuilds) the table from the built-in texts.
void LoadTexts();
// The text of (group, key), matched without regard to case, or "%NO_STRING_ERROR%".
std::string GetText(const std::string& group, const std::string& key);
// Replaces %s1%..%s4% (any case) by the non-empty arguments, in order.
std::string FormatText(const std::string& text, const std::string& s1 = "", const std::string& s2 = "",
                       const std::string& s3 = "", const std::string& s4 = "");
