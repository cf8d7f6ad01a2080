// The option loop of the command line: core options into the conversion job, advanced options
// and profiles into the settings record, in command-line order.
#pragma once

#include <string>

struct OptionPass {
    std::string error;  // the first error found, empty when none
    bool quiet = false;
    bool pause = false;
};

// Reads every program parameter in order and stops at the first error.
OptionPass ReadOptionParameters();
