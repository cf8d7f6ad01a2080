// Applies a profile file: every key of its first [CLI] group that names an advanced option.
#include "cli/profile.h"
#include "app/text.h"

#include <algorithm>
#include <cctype>

#include "app/platform.h"
#include "cli/options.h"
#include "settings/ini_file.h"

bool ApplyProfile(const std::string& path) {
    if (path.empty()) return false;
    // A folder opens on this system but holds no profile.
    if (FileSize(path) == -2) return false;
    IniDocument document;
    if (!ReadIniFile(path, document)) return false;
    const IniGroup* group = FindIniGroup(document, "CLI");
    if (!group) return true;
    for (const IniEntry& entry : group->entries) {
        const std::string name = AsciiUpper(entry.key);
        // Core options, --PROFILE and unknown keys are not in the profile's view of the table.
        if (const AdvancedOption* option = FindAdvancedOption(name, OptionSource::Profile))
            ApplyAdvancedOption(*option, entry.value, OptionSource::Profile);
    }
    return true;
}
