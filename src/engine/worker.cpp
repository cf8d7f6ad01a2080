// The conversion worker thread: walks the input file map, converts, names and stamps outputs.
#include "engine/worker.h"

#include "app/platform.h"
#include "engine/input_files.h"
#include "engine/job.h"
#include "engine/pipeline.h"
#include "settings/settings.h"

ConversionProgress Progress;

namespace {
// Gives the output its modification time by Advanced/File Timestamp. Failures are ignored.
void ApplyTimestamp() {
    switch (Settings.advanced.fileTimestamp) {
        case 1: {  // ORIGINAL
            const std::int64_t original = FileModificationTime(Job.inputPath);
            if (original >= 0) SetFileModificationTime(Job.outputPath, original);
            break;
        }
        case 2:  // CUSTOM
            SetFileModificationTime(Job.outputPath, Settings.advanced.customTimestamp);
            break;
        default:  // CURRENT: the time the save gave it
            break;
    }
}
}  // namespace

void ResetProgress() {
    std::lock_guard lock(Progress.mutex);
    Progress.currentIndex = 0;
    Progress.currentFile.clear();
    Progress.convertedCount = 0;
    Progress.runFlag = 1;
}

int ConversionWorker(void*) {
    const bool debug = Job.consoleMode && Job.debugWord == "DEBUG";
    std::int32_t started = 0, converted = 0;
    // The flag is tested before the map is advanced, so a stop never skips a started input.
    for (auto entry = InputFiles.begin(); Progress.runFlag != 0 && entry != InputFiles.end(); ++entry) {
        ++started;
        Job.inputPath = entry->first;
        Job.relativeSubfolder = entry->second.relativeSubfolder;
        {
            std::lock_guard lock(Progress.mutex);
            Progress.currentIndex = started;
            Progress.currentFile = Job.inputPath;
        }
        if (debug) PrintLine("Processing: " + Job.inputPath);
        const bool ok = ConvertOneImage();
        if (debug) {
            PrintLine("Reader: " + (Job.reader.empty() ? std::string("none") : Job.reader));
            PrintLine("Saving As: " + Job.outputPath);
            PrintLine(ok ? "OK" : "Not OK");
        }
        if (!ok) continue;
        ++converted;
        Job.randomNumber = NewRandomNumber();
        ++Job.counter;
        ApplyTimestamp();
    }
    std::lock_guard lock(Progress.mutex);
    Progress.convertedCount = converted;
    return 0;
}

std::thread StartConversionWorker() {
    return std::thread([] { ConversionWorker(nullptr); });
}

void RequestStop() {
    std::lock_guard lock(Progress.mutex);
    Progress.runFlag = 0;
}
