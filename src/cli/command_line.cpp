// Placeholder until the front end lands.
#include "cli/command_line.h"
std::vector<std::string> ProgramParameters;
void RunCommandLine() {}
std::string OptionName(std::size_t) { return ""; }
std::string OptionValue(std::size_t) { return ""; }
