// Start-up tables, ResetRunState and the orderly end.
#include "app/startup.h"

#include <cstdio>
#include <cstdlib>

#include "app/platform.h"
#include "engine/format_tables.h"
#include "engine/input_files.h"
#include "engine/job.h"

std::map<std::string, int> ButtonImages;
std::map<std::string, int> MenuIcons;
std::map<std::string, int> ToolbarIcons;
std::map<std::string, std::string> ThemeList;
int PreferencesStartPage = 0;
std::string ConfigurationPath;

void CreateStartupTables() {
    CreateFormatLists();
    ThemeList.clear();
    ButtonImages = {{"Convert", 2}, {"InFiles", 3}, {"InFolder", 4}};
    MenuIcons = {{"New", 5},          {"Add", 6},          {"InFiles", 7},      {"InFolder", 8},
                 {"OutFolder", 9},    {"OutFormat", 10},   {"FavFolder", 11},   {"ImportFiles", 12},
                 {"ExportFiles", 13}, {"Exit", 14},        {"Copy", 15},        {"Delete", 16},
                 {"SelectAll", 17},   {"Convert", 18},     {"Error", 19},       {"Preferences", 20},
                 {"CustomConverter", 21}, {"Help", 22},    {"Email", 25},       {"Web", 26},
                 {"Updates", 27},     {"About", 28}};
    ToolbarIcons.clear();
    for (const auto& [name, number] : MenuIcons) ToolbarIcons[name] = number + 24;
    InputFiles.clear();
    InputExtensionTable.clear();
    OutputFormatTable.clear();
    AllowedInputExtensionList = {""};
    Job.programFolder = ProgramFolder();
}

void ResetRunState() {
    const std::string debugWord = Job.debugWord;
    Job = ConversionJob{};
    Job.programFolder = ProgramFolder();
    Job.debugWord = debugWord;
    Job.randomNumber = NewRandomNumber();
    Job.counter = 1;
    PreferencesStartPage = 0;
    InputFiles.clear();
    BuildAllowedInputExtensions();
}

void OrderlyEnd() {
    std::fflush(stdout);
    ReleaseInstanceGuard();
    std::_Exit(0);
}
