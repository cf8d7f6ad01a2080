// Output file naming: token values, mask expansion and the output path.
#include "engine/naming.h"
#include "app/text.h"

#include <ctime>

#include "engine/job.h"
#include "settings/settings.h"

namespace {

// The input's file name without folder and without its last extension.
std::string InputBaseName() {
    std::string name = Job.inputPath.substr(Job.inputPath.rfind('/') + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

std::tm LocalClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string TokenValue(const std::string& token) {
    if (token == "%filename%") return InputBaseName();
    if (token == "%filename[u]%") return TextUpper(InputBaseName());
    if (token == "%filename[l]%") return TextLower(InputBaseName());
    if (token == "%filename[t]%") return TextTitle(InputBaseName());
    if (token == "%ext%") return Job.outputExtension;
    if (token == "%ext[u]%") return TextUpper(Job.outputExtension);
    if (token == "%ext[t]%") return TextTitle(Job.outputExtension);
    if (token == "%yyyy%") return std::to_string(LocalClock().tm_year + 1900);
    if (token == "%mm%") return TwoDigits(LocalClock().tm_mon + 1);
    if (token == "%dd%") return TwoDigits(LocalClock().tm_mday);
    if (token == "%hh%") return TwoDigits(LocalClock().tm_hour);
    if (token == "%ii%") return TwoDigits(LocalClock().tm_min);
    if (token == "%ss%") return TwoDigits(LocalClock().tm_sec);
    if (token == "%bpp%") return std::to_string(Job.targetDepth);
    if (token == "%width%") return std::to_string(Job.namingWidth);
    if (token == "%height%") return std::to_string(Job.namingHeight);
    if (token == "%rnd%") return PadToFive(Job.randomNumber);
    if (token == "%n%") return PadToFive(Job.counter);
    return "";
}

}  // namespace

std::string PadToFive(long long number) {
    std::string text = std::to_string(number);
    if (text.size() < 5) return std::string(5 - text.size(), '0') + text;
    return text.substr(0, 5);
}

std::string ExpandToken(const std::string& text, const std::string& token) {
    if (token.empty()) return text;
    // ASCII lower-casing keeps every byte in place, so positions in the folded copy are
    // positions in the text.
    const std::string folded = AsciiLower(text);
    const std::string wanted = AsciiLower(token);
    std::size_t at = folded.find(wanted);
    if (at == std::string::npos) return text;
    const std::string value = TokenValue(wanted);
    std::string result;
    std::size_t from = 0;
    for (; at != std::string::npos; at = folded.find(wanted, from)) {
        result.append(text, from, at - from);
        result += value;
        from = at + wanted.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

std::string ExpandMask(const std::string& mask) {
    std::string name = TextLower(mask);
    if (name.empty()) name = DefaultFilenameMask;
    // Values inserted by one token are searched by the tokens after it.
    for (const char* token : NamingTokens)
        if (name.find(token) != std::string::npos) name = ExpandToken(name, token);
    return name;
}

std::string BuildOutputPath() {
    std::string path = Job.currentOutputFolder;
    if (Settings.advanced.keepSubfolders == 1) path += Job.relativeSubfolder;
    return path + ExpandMask(Settings.advanced.filenameMask);
}
