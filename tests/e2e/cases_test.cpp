// Walks every folder of tests/cases/ and runs it as one test: the folder's parameters, the exact
// standard output, exit code 0 and the files that must (or must not) exist afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/support.h"

namespace fs = std::filesystem;
using namespace testing_support;

namespace {
const fs::path CasesRoot = fs::path(LUMADEX_SOURCE_DIR) / "tests" / "cases";

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(CasesRoot, error))
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Substitute(std::string text, const std::string& work, const std::string& exe) {
    for (const auto& [token, value] : {std::pair<std::string, std::string>{"{work}", work}, {"{exe}", exe}}) {
        for (auto at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
            text.replace(at, token.size(), value);
    }
    return text;
}

// One entry per line; a final line end does not start another entry.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string ExeFolder() {
    const std::string exe = LUMADEX_EXE;
    return exe.substr(0, exe.rfind('/') + 1);
}

std::string TestName(const testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

class CommandLineCase : public testing::TestWithParam<std::string> {};

TEST_P(CommandLineCase, Runs) {
    const fs::path folder = CasesRoot / GetParam();
    ASSERT_TRUE(fs::exists(folder / "args")) << folder << " has no args file";
    ASSERT_TRUE(fs::exists(folder / "stdout")) << folder << " has no stdout file";

    TempDir work;
    if (fs::is_directory(folder / "in"))
        fs::copy(folder / "in", work.path(), fs::copy_options::recursive);
    const std::string exe = ExeFolder();

    std::vector<std::string> args;
    for (const std::string& line : SplitLines(ReadFile((folder / "args").string())))
        args.push_back(Substitute(line, work.path(), exe));

    RunOptions options;
    options.workingDirectory = work.path();
    const RunResult result = RunLumadex(args, options);

    ASSERT_FALSE(result.timedOut) << "the run did not end";
    EXPECT_EQ(result.exitCode, 0) << "standard error:\n" << result.err;
    EXPECT_EQ(result.out, Substitute(ReadFile((folder / "stdout").string()), work.path(), exe));

    if (fs::exists(folder / "files")) {
        for (const std::string& raw : SplitLines(ReadFile((folder / "files").string()))) {
            if (raw.empty()) continue;
            const bool mustBeAbsent = raw[0] == '!';
            const std::string path = Substitute(mustBeAbsent ? raw.substr(1) : raw, work.path(), exe);
            const std::string full = !path.empty() && path[0] == '/' ? path : work.path() + path;
            if (mustBeAbsent) EXPECT_FALSE(fs::exists(full)) << full << " must not exist";
            else EXPECT_TRUE(fs::exists(full)) << full << " must exist";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineCase, testing::ValuesIn(CaseNames()), TestName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CommandLineCase);
}  // namespace
