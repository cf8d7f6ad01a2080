// The input file map: accepting the file the next run converts.
#include "engine/input_files.h"
#include "app/text.h"

#include "app/platform.h"
#include "engine/format_tables.h"
#include "engine/job.h"

std::map<std::string, InputFileEntry> InputFiles;

namespace {
// The text after the last "." of the name, when no space or "/" follows that dot; else empty.
std::string PathExtension(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos) return "";
    const std::string after = path.substr(dot + 1);
    if (after.find_first_of(" /") != std::string::npos) return "";
    return after;
}
}  // namespace

bool AddInputFile(const std::string& path) {
    // A missing path or a folder is not refused here; only a file of exactly 0 bytes.
    if (FileSize(path) == 0) return false;
    if (!IsAllowedInputExtension(AsciiLower(PathExtension(path)))) return false;
    InputFiles.clear();
    InputFileEntry& entry = InputFiles[path];
    entry.relativeSubfolder = RelativeSubfolder(path, Job.commandLineInput);
    entry.added = 1;
    // Window mode also shows the file in its input box and may pick the output folder from it;
    // that belongs to the window module and is not done here.
    return true;
}

std::string RelativeSubfolder(const std::string& file, const std::string& base) {
    if (file.empty() || base.empty()) return "";
    std::string folder = file.substr(0, file.rfind('/') + 1);
    if (folder.find(base) == std::string::npos) return "";
    for (auto at = folder.find(base); at != std::string::npos; at = folder.find(base, at))
        folder.erase(at, base.size());
    return folder;
}
