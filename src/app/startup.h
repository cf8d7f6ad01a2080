// Start-up tables, the reset of the conversion job and the orderly end.
#pragma once

#include <map>
#include <string>

// Image numbers of the built-in pictures, by name.
extern std::map<std::string, int> ButtonImages;
extern std::map<std::string, int> MenuIcons;
extern std::map<std::string, int> ToolbarIcons;
// Theme file base name to display name (filled by window mode).
extern std::map<std::string, std::string> ThemeList;
// Start page of the preferences window.
extern int PreferencesStartPage;
// Where the configuration file lives once the data folder is known.
extern std::string ConfigurationPath;

// Creates the start-up tables in their order and fills the image maps.
void CreateStartupTables();
// Empties the conversion job (keeping the debug word), restarts the naming values, empties the
// input file map and rebuilds the allowed input extensions.
void ResetRunState();
// Shuts down what the run started and ends the process with exit code 0.
[[noreturn]] void OrderlyEnd();
