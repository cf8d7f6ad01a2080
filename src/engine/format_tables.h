// The input and output format tables and the lists of formats this program offers.
#pragma once

#include <map>
#include <string>
#include <vector>

struct OutputFormatInfo {
    int fif = 0;
    std::string extension;
    std::string description;
    std::string depths;  // "8,24"
};

struct InputExtensionInfo {
    std::string group;
    std::string description;
};

extern std::map<std::string, OutputFormatInfo> OutputFormatTable;
extern std::map<std::string, InputExtensionInfo> InputExtensionTable;
extern std::vector<std::string> InputFormatList;            // ["pcx"]
extern std::vector<std::string> OutputFormatList;           // ["jpg"]
extern std::vector<std::string> AllowedInputExtensionList;  // built from the two above

void CreateFormatLists();          // the two lists, at start-up
void FillInputExtensionTable();
void FillOutputFormatTable();
// A row of the output table; a row of zeros and empty texts for an unknown extension.
OutputFormatInfo LookupOutputFormat(const std::string& extension);
bool IsOutputFormat(const std::string& extension);
bool IsDepthAllowed(const std::string& extension, int depth);
int AutoDepth(const std::string& extension, int sourceDepth);
void BuildAllowedInputExtensions();
bool IsAllowedInputExtension(const std::string& extension);
std::string BuildInputFileFilter(const std::string& allSupportedLabel, const std::string& allFilesLabel);
