// Profile files: the [CLI] group of an INI file applied as advanced options.
#pragma once

#include <string>

// Applies the first [CLI] group (any case) of the file, key by key from the top. False when the
// path is empty or does not name a readable file; a file without such a group changes nothing.
bool ApplyProfile(const std::string& path);
