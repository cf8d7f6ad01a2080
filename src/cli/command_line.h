// The command-line front end.
#pragma once

#include <string>
#include <vector>

// The program parameters, without the program's own name.
extern std::vector<std::string> ProgramParameters;

// Reads the parameters; either ends the process itself (help, version, errors, a console run)
// or returns, which means window mode follows.
void RunCommandLine();

// Upper-case option name of parameter i ("" when it is not an option).
std::string OptionName(std::size_t i);
// Value text of parameter i: after the first "=" of a --name=value, else the whole parameter.
std::string OptionValue(std::size_t i);
