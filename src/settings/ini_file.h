// The INI reader and writer shared by the configuration file and profile files.
//
// Reading: a UTF-8 byte-order mark selects UTF-8, otherwise every byte is the Latin-1 character
// of the same code (converted to UTF-8 here). Blanks and tabs around lines, keys and values are
// ignored; lines starting with ";" are comments; "[name]" opens a group; other lines are
// key=value with or without blanks around "=". Names are matched without regard to case.
// Writing produces the configuration file's exact layout: BOM, CRLF line ends, "key = value",
// and a "; " line closing every group.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct IniEntry {
    std::string key;    // as written, trimmed
    std::string value;  // trimmed of blanks and tabs
};

struct IniGroup {
    std::string name;   // as written, without the brackets
    std::vector<IniEntry> entries;  // in file order
};

struct IniDocument {
    std::vector<IniGroup> groups;   // in file order; lines before the first group are dropped
};

IniDocument ParseIni(std::string_view bytes);
// False when the file cannot be opened.
bool ReadIniFile(const std::string& path, IniDocument& document);
// The first group of that name (any case), or nullptr.
const IniGroup* FindIniGroup(const IniDocument& document, std::string_view name);
// The first entry of that key (any case) in a group, or nullptr.
const IniEntry* FindIniEntry(const IniGroup& group, std::string_view key);

// Builds the text of a configuration file, group by group.
class IniWriter {
public:
    IniWriter();
    void BeginGroup(std::string_view name);
    void Write(std::string_view key, std::string_view value);
    void Write(std::string_view key, long long value);
    void EndGroup();
    const std::string& Text() const { return text_; }
    // Replaces the file; false when it cannot be written.
    bool SaveTo(const std::string& path) const;

private:
    std::string text_;
};
