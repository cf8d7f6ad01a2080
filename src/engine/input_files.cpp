// Placeholder until the input file map lands.
#include "engine/input_files.h"
std::map<std::string, InputFileEntry> InputFiles;
bool AddInputFile(const std::string&) { return false; }
std::string RelativeSubfolder(const std::string&, const std::string&) { return ""; }
