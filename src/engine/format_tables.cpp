// Placeholder until the format tables land.
#include "engine/format_tables.h"
std::map<std::string, OutputFormatInfo> OutputFormatTable;
std::map<std::string, InputExtensionInfo> InputExtensionTable;
std::vector<std::string> InputFormatList;
std::vector<std::string> OutputFormatList;
std::vector<std::string> AllowedInputExtensionList;
void CreateFormatLists() { InputFormatList = {"pcx"}; OutputFormatList = {"jpg"}; }
void FillInputExtensionTable() {}
void FillOutputFormatTable() {}
OutputFormatInfo LookupOutputFormat(const std::string&) { return {}; }
bool IsOutputFormat(const std::string& e) { return e == "jpg"; }
bool IsDepthAllowed(const std::string&, int d) { return d == 0; }
int AutoDepth(const std::string&, int) { return 24; }
void BuildAllowedInputExtensions() { AllowedInputExtensionList = {"pcx"}; }
bool IsAllowedInputExtension(const std::string& e) { return e == "pcx"; }
std::string BuildInputFileFilter(const std::string&, const std::string&) { return ""; }
