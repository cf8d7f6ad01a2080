// The option loop over the program parameters.
#include "cli/option_loop.h"

#include "cli/command_line.h"
#include "cli/options.h"
#include "cli/profile.h"
#include "engine/job.h"

namespace {
const char* const MissingValue = "Incorrect number of parameters";
const char* const BadProfile = "Invalid profile file";

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// The value of a core option: the next parameter for the short form (which it consumes), the
// text after "=" for the long form. Empty, or starting with "-", is missing.
bool TakeCoreValue(const std::string& name, std::size_t& i, std::string& value) {
    if (StartsWith(name, "--")) {
        value = OptionValue(i);
    } else {
        ++i;
        value = i < ProgramParameters.size() ? OptionValue(i) : "";
    }
    return !value.empty() && value[0] != '-';
}
}  // namespace

OptionPass ReadOptionParameters() {
    OptionPass pass;
    for (std::size_t i = 0; i < ProgramParameters.size() && pass.error.empty(); ++i) {
        const std::string name = OptionName(i);
        if (name.empty()) continue;
        std::string value;
        if (name == "-I" || name == "--INPUT") {
            Job.consoleMode = 1;
            if (TakeCoreValue(name, i, value)) Job.commandLineInput = value;
            else pass.error = MissingValue;
        } else if (name == "-O" || name == "--OUTPUT") {
            if (TakeCoreValue(name, i, value)) Job.currentOutputFolder = value;
            else pass.error = MissingValue;
        } else if (name == "-C" || name == "--CONVERSION") {
            if (TakeCoreValue(name, i, value)) Job.outputExtension = value;
            else pass.error = MissingValue;
        } else if (name == "--PROFILE") {
            value = OptionValue(i);
            if (value.empty() || StartsWith(value, "--")) pass.error = MissingValue;
            else if (!ApplyProfile(value)) pass.error = BadProfile;
        } else if (const AdvancedOption* option = FindAdvancedOption(name, OptionSource::CommandLine)) {
            value = OptionValue(i);
            if (option->form != OptionForm::Flag && (value.empty() || StartsWith(value, "--")))
                pass.error = MissingValue;
            else
                ApplyAdvancedOption(*option, value, OptionSource::CommandLine);
        } else if (name == "-D" || name == "--DEBUG") {
            Job.debugWord = "DEBUG";
        } else if (name == "-Q" || name == "--QUIET") {
            pass.quiet = true;
        } else if (name == "-P" || name == "--PAUSE") {
            pass.pause = true;
        }
    }
    return pass;
}
