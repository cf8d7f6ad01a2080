// The command-line front end: first-parameter commands (help, version, uninstall, screenshots),
// the option loop, errors, the banner and the console conversion.
#include "cli/command_line.h"
#include "app/text.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "app/identity.h"
#include "app/platform.h"
#include "app/startup.h"
#include "cli/option_loop.h"
#include "engine/console_run.h"
#include "engine/format_tables.h"
#include "engine/job.h"
#include "settings/settings.h"
#include "settings/texts.h"

std::vector<std::string> ProgramParameters;

namespace {
// The executable's own file name without folder and extension.
std::string ExecutableName() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string stem = error ? "" : exe.stem().string();
    return stem.empty() ? ProductShortName : stem;
}

void PrintHelp() {
    static const char* const lines[] = {
        " ",
        "Usage: %s1% -i <filename> [options]",
        " ",
        "  %s1% -i example.%s2%",
        "  %s1% -i c:\\tmp\\example.%s2%",
        "  %s1% -i c:\\tmp\\example.%s2% -o d:\\converted",
        "  %s1% -i c:\\tmp\\example.%s2% -o d:\\converted --jpg-quality=95",
        " ",
        "Options:",
        " ",
        "  -h, -?, --help            Display this help and exit",
        "  -i FILE, --input=FILE     Set input file",
        "  -o PATH, --output=PATH    Set output folder",
        "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)",
        " ",
        "Advanced options:",
        " ",
        "  --width=NUM               Set output image width",
        "  --height=NUM              Set output image height",
        "  --filename-mask=STR       Define output filename format",
        "  --flip-horizontal         Flip output image horizontally",
        "  --flip-vertical           Flip output image vertically",
        "  --brightness=NUM          Set output image brightness, NUM = -100..100",
        "  --contrast=NUM            Set output image contrast, NUM = -100..100",
        "  --gamma=NUM               Set output image gamma, NUM = 0.01..9.99",
        "  --invert                  Invert output image",
        "  --greyscale               Greyscale output image",
        "  --profile=FILE            Set configuration file with required settings",
        "    ...                     Refer documentation for all available options",
        " ",
        "Other options:",
        " ",
        "  -q, --quiet               Don't print status messages to stdout",
        "  -d, --debug               Print debug information to stdout",
        "  -p, --pause               Pause at exit",
        "  -v, --version             Display version information and exit",
    };
    const std::string program = ExecutableName();
    for (const char* line : lines) {
        // The input format list has one entry; a random pick among one is that entry.
        const std::string example =
            InputFormatList.empty() ? "pcx" : InputFormatList[static_cast<std::size_t>(NewRandomNumber()) % InputFormatList.size()];
        PrintLine(FormatText(line, program, example));
    }
}

// The maker's notice with its circled c written as "(c)", which every console can show.
std::string ConsoleNotice() {
    std::string notice = MakerNotice;
    const std::string circled = "\u00A9";
    for (auto at = notice.find(circled); at != std::string::npos; at = notice.find(circled, at + 3))
        notice.replace(at, circled.size(), "(c)");
    return notice;
}
}  // namespace

std::string OptionName(std::size_t i) {
    if (i >= ProgramParameters.size()) return "";
    const std::string text = TrimChars(ProgramParameters[i], " ");
    if (text.empty() || text[0] != '-') return "";
    std::string name = text.rfind("--", 0) == 0 ? text.substr(0, text.find('=')) : text;
    return AsciiUpper(name);
}

std::string OptionValue(std::size_t i) {
    if (i >= ProgramParameters.size()) return "";
    const std::string text = TrimChars(ProgramParameters[i], " ");
    const auto equals = text.find('=');
    if (text.rfind("--", 0) == 0 && equals != std::string::npos) return text.substr(equals + 1);
    return text;
}

void RunCommandLine() {
    if (ProgramParameters.empty()) return;

    FillInputExtensionTable();
    FillOutputFormatTable();
    ResetRunState();
    ResetSettings(true);
    LoadTexts();

    const std::string first = OptionName(0);
    if (first == "-U") {
        // The uninstall prompt is a window; without window mode there is nothing to show.
        OrderlyEnd();
    }
    if (first == "-T") {
        // The screenshot mode draws the main window; without window mode it ends at once.
        Job.debugWord = "T";
        OrderlyEnd();
    }
    if (first == "-V" || first == "--VERSION") {
        SetConsoleTitle(MakeTitle());
        PrintLine(MakeVersionText(VersionNumber));
        OrderlyEnd();
    }
    if (first == "-H" || first == "-?" || first == "--HELP") {
        SetConsoleTitle(MakeTitle());
        PrintHelp();
        OrderlyEnd();
    }

    const OptionPass pass = ReadOptionParameters();
    if (!pass.error.empty()) {
        SetConsoleTitle(MakeTitle());
        PrintLine("Error: " + pass.error);
        if (pass.pause) WaitForKeyPress();
        OrderlyEnd();
    }
    if (!Job.consoleMode) return;

    SetConsoleTitle(MakeTitle());
    if (!pass.quiet) {
        PrintLine(MakeTitle());
        PrintLine(ConsoleNotice());
        PrintLine(MakerWebsite);
        PrintLine(" ");
    }
    RunConsoleConversion(pass.quiet);
    if (pass.pause) {
        PrintLine("Press any key to exit.");
        WaitForKeyPress();
    }
    OrderlyEnd();
}
