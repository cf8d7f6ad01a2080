// Placeholder until the INI reader lands.
#include "settings/ini_file.h"
IniDocument ParseIni(std::string_view) { return {}; }
bool ReadIniFile(const std::string&, IniDocument&) { return false; }
const IniGroup* FindIniGroup(const IniDocument&, std::string_view) { return nullptr; }
const IniEntry* FindIniEntry(const IniGroup&, std::string_view) { return nullptr; }
IniWriter::IniWriter() {}
void IniWriter::BeginGroup(std::string_view) {}
void IniWriter::Write(std::string_view, std::string_view) {}
void IniWriter::Write(std::string_view, long long) {}
void IniWriter::EndGroup() {}
bool IniWriter::SaveTo(const std::string&) const { return false; }
