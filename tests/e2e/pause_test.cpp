// Waiting for a key at the end (-p) on a real terminal: the wait holds until a key arrives, and
// the terminal title is set only there.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "support/support.h"

namespace {

struct Terminal {
    pid_t pid = -1;
    int master = -1;
};

Terminal StartOnTerminal(const std::vector<std::string>& args, const std::string& home) {
    Terminal t;
    t.pid = forkpty(&t.master, nullptr, nullptr, nullptr);
    if (t.pid == 0) {
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", home.c_str(), 1);
        std::vector<std::string> all{LUMADEX_EXE};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(LUMADEX_EXE, argv.data());
        _exit(127);
    }
    return t;
}

// Reads what the program writes until the text holds the wanted line, or the time is up.
std::string ReadUntil(int fd, const std::string& wanted, int timeoutMs) {
    std::string out;
    char buffer[4096];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (out.find(wanted) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0) continue;
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) break;
        out.append(buffer, static_cast<std::size_t>(got));
    }
    return out;
}

bool ExitsWithin(pid_t pid, int ms, int& status) {
    for (int waited = 0; waited < ms; waited += 10) {
        if (waitpid(pid, &status, WNOHANG) == pid) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace

TEST(PauseOnTerminal, WaitsForAKeyAfterAnError) {
    testing_support::TempDir home;
    Terminal t = StartOnTerminal({"-p", "-i"}, home.path());
    ASSERT_GT(t.pid, 0);
    const std::string shown = ReadUntil(t.master, "Error: Incorrect number of parameters\r\n", 10000);
    EXPECT_NE(shown.find("\033]0;Quillon PCX to JPG 2.7\007"), std::string::npos) << "title on a terminal";
    EXPECT_NE(shown.find("Error: Incorrect number of parameters"), std::string::npos) << shown;
    EXPECT_EQ(shown.find("Press any key to exit."), std::string::npos) << "no prompt after an error";

    int status = 0;
    EXPECT_FALSE(ExitsWithin(t.pid, 300, status)) << "must wait for a key";
    ASSERT_EQ(write(t.master, "x", 1), 1);
    EXPECT_TRUE(ExitsWithin(t.pid, 2000, status)) << "a key ends the wait";
    if (!WIFEXITED(status)) kill(t.pid, SIGKILL), waitpid(t.pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    close(t.master);
}

TEST(PauseOnTerminal, PromptsAfterARun) {
    testing_support::TempDir home;
    Terminal t = StartOnTerminal({"-p", "-q", "-i", home / "missing.pcx"}, home.path());
    ASSERT_GT(t.pid, 0);
    const std::string shown = ReadUntil(t.master, "Press any key to exit.\r\n", 10000);
    EXPECT_NE(shown.find("Error: Invalid input file"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Press any key to exit."), std::string::npos) << shown;
    int status = 0;
    EXPECT_FALSE(ExitsWithin(t.pid, 200, status));
    ASSERT_EQ(write(t.master, "\n", 1), 1);
    EXPECT_TRUE(ExitsWithin(t.pid, 2000, status));
    if (!WIFEXITED(status)) kill(t.pid, SIGKILL), waitpid(t.pid, &status, 0);
    close(t.master);
}
