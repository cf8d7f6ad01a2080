// The few operating-system services the program uses: console, files, folders, instance guard.
#pragma once

#include <cstdint>
#include <string>

// Console. Every line is flushed as it is printed; lines may come from the worker thread.
void PrintLine(const std::string& text);
// Sets the terminal title, only when standard output is a terminal.
void SetConsoleTitle(const std::string& title);
// Waits for one key press on a terminal; returns at once without a terminal or at end of input.
void WaitForKeyPress();

// Size of a file: its size in bytes, -1 when missing, -2 for a folder.
std::int64_t FileSize(const std::string& path);
bool CreateFolder(const std::string& path);

// Folder of the running executable, ending in "/".
std::string ProgramFolder();
// The per-user configuration home ($XDG_CONFIG_HOME, else ~/.config), ending in "/"; empty when unknown.
std::string ApplicationDataFolder();
// The data folder below the configuration home, created as needed: <home>/<company>/<product>/.
std::string FindDataFolder(const std::string& company, const std::string& product);

// Takes the single-instance guard named after the title; false when another copy holds it.
bool AcquireInstanceGuard(const std::string& name);
void ReleaseInstanceGuard();

// Last-modification time of a file in seconds (local-time convention of LocalNow), or -1.
std::int64_t FileModificationTime(const std::string& path);
bool SetFileModificationTime(const std::string& path, std::int64_t localSeconds);
