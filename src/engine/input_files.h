// The input file map: the file the next run converts (at most one entry).
#pragma once

#include <map>
#include <string>

struct InputFileEntry {
    int added = 0;
    std::string relativeSubfolder;  // empty, or ends in "/"
};

extern std::map<std::string, InputFileEntry> InputFiles;

// Accepts a file for the next run: not empty, extension allowed. Empties the map first.
bool AddInputFile(const std::string& path);
// The sub-folder of a file below a base folder, or empty.
std::string RelativeSubfolder(const std::string& file, const std::string& base);
