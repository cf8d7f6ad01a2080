// The conversion job: the per-run values that are not settings, one process-wide instance.
// Paths use "/"; folders end in "/".
#pragma once

#include <cstdint>
#include <string>

struct ConversionJob {
    std::string programFolder;        // folder of the running executable, ends in "/"
    std::string commandLineInput;     // the -i text, as given
    std::string inputPath;            // full path of the file being converted
    std::string relativeSubfolder;    // sub-folder below the folder it was added from, or empty
    std::string currentOutputFolder;  // folder that receives the outputs; ends in "/" when a run starts
    std::string outputPath;           // full path of the output of the current input
    std::int32_t randomNumber = 0;    // %rnd%, 1 to 99999
    std::int32_t counter = 0;         // %n%, starts at 1
    std::int32_t sourceDepth = 0;     // bit depth of the current picture as loaded
    std::int32_t outputFormatId = 0;  // FREE_IMAGE_FORMAT used for saving
    std::string outputExtension;      // lower-case output extension, e.g. "jpg"
    std::int32_t targetDepth = 0;     // bit depth to write
    std::int32_t saveFlags = 0;       // flags for the save call
    std::uint8_t automaticDepth = 0;  // the target depth is chosen per picture
    std::uint8_t consoleMode = 0;     // an input was given on the command line
    std::string debugWord;            // "DEBUG" when debug output was requested
    std::int32_t namingWidth = 0, namingHeight = 0;  // picture size reported to the naming tokens
    std::string reader;               // which PCX reader served the current picture ("FreeImage", "fallback")
};

extern ConversionJob Job;

// A pseudo-random whole number from 1 to 99999 (seeded once per process).
std::int32_t NewRandomNumber();
