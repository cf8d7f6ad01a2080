// Command-line behaviour that case folders cannot express: a second running copy, and long
// parameter lists.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "app/identity.h"
#include "support/support.h"

using namespace testing_support;

namespace {
// Holds the instance guard the way a running copy does, for as long as it lives.
class HeldGuard {
public:
    explicit HeldGuard(const std::string& runtimeFolder) {
        const std::string path = runtimeFolder + MakeTitle() + ".lock";
        fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        locked_ = fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) == 0;
    }
    ~HeldGuard() {
        if (fd_ >= 0) close(fd_);
    }
    bool locked() const { return locked_; }

private:
    int fd_ = -1;
    bool locked_ = false;
};

TEST(InstanceGuard, ASecondCopyEndsSilently) {
    TempDir runtime;
    RunOptions options;
    options.env["XDG_RUNTIME_DIR"] = runtime.path();
    {
        HeldGuard guard(runtime.path());
        ASSERT_TRUE(guard.locked());
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"-h"}, {"-v"}, {"-i"}, {"-i", "a.pcx"}}) {
            const RunResult result = RunLumadex(args, options);
            EXPECT_EQ(result.out, "") << args[0];
            EXPECT_EQ(result.exitCode, 0) << args[0];
        }
    }
    // Once the first copy has ended, the next one runs normally.
    const RunResult result = RunLumadex({"-v"}, options);
    EXPECT_EQ(result.out, "2.7\n");
    EXPECT_EQ(result.exitCode, 0);
}

TEST(ParameterList, EveryParameterIsReadHoweverLongTheList) {
    // 200 ignored parameters push the interesting ones far past the first 128.
    std::vector<std::string> args(200, "ignored");
    args.push_back("-i");
    RunResult result = RunLumadex(args);
    EXPECT_EQ(result.out, "Error: Incorrect number of parameters\n");
    EXPECT_EQ(result.exitCode, 0);

    args.back() = "--width=";
    args.insert(args.begin(), {"-i", "a.pcx"});
    result = RunLumadex(args);
    EXPECT_EQ(result.out, "Error: Incorrect number of parameters\n");

    // An input named only at parameter 300 still selects command-line mode: the banner shows.
    std::vector<std::string> late(300, "x");
    late.insert(late.end(), {"-i", "missing.pcx"});
    result = RunLumadex(late);
    EXPECT_EQ(result.out.rfind(MakeTitle() + "\n", 0), 0u) << result.out;
    EXPECT_EQ(result.exitCode, 0);
}
}  // namespace
