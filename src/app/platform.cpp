// Linux services behind platform.h.
#include "app/platform.h"
#include "app/text.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>

namespace {
std::mutex ConsoleMutex;
int GuardFd = -1;

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// Offset of local time from UTC at the given moment, in seconds.
long LocalOffset(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    return local.tm_gmtoff;
}
}  // namespace

void PrintLine(const std::string& text) {
    std::lock_guard lock(ConsoleMutex);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void SetConsoleTitle(const std::string& title) {
    if (!isatty(STDOUT_FILENO)) return;
    std::lock_guard lock(ConsoleMutex);
    std::fprintf(stdout, "\033]0;%s\007", title.c_str());
    std::fflush(stdout);
}

void WaitForKeyPress() {
    if (!isatty(STDIN_FILENO)) return;
    termios saved{};
    if (tcgetattr(STDIN_FILENO, &saved) != 0) return;
    termios raw = saved;
    raw.c_lflag &= ~(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    char key = 0;
    while (true) {
        const ssize_t got = read(STDIN_FILENO, &key, 1);
        if (got == 1 || got == 0) break;  // a key, or end of input
        if (errno != EINTR) break;
    }
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}

std::int64_t FileSize(const std::string& path) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) return -1;
    if (S_ISDIR(info.st_mode)) return -2;
    return info.st_size;
}

bool CreateFolder(const std::string& path) { return mkdir(path.c_str(), 0777) == 0; }

std::string ProgramFolder() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return "./";
    std::string exe(buffer, static_cast<std::size_t>(length));
    return exe.substr(0, exe.rfind('/') + 1);
}

std::string ApplicationDataFolder() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) return WithSlash(TrimChars(config));
    if (const char* home = std::getenv("HOME"); home && *home) return WithSlash(TrimChars(home)) + ".config/";
    return "";
}

std::string FindDataFolder(const std::string& company, const std::string& product) {
    std::string folder = WithSlash(ApplicationDataFolder());
    for (const std::string& part : {company, product}) {
        folder += part;
        if (FileSize(folder) == -1) CreateFolder(folder);
        folder += '/';
    }
    return folder;
}

bool AcquireInstanceGuard(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string folder = WithSlash(runtime && *runtime ? runtime : "/tmp");
    const std::string path = folder + name + ".lock";
    GuardFd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (GuardFd < 0) return false;
    if (flock(GuardFd, LOCK_EX | LOCK_NB) != 0) {
        close(GuardFd);
        GuardFd = -1;
        return false;
    }
    return true;
}

void ReleaseInstanceGuard() {
    if (GuardFd >= 0) close(GuardFd);
    GuardFd = -1;
}

std::int64_t FileModificationTime(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return -1;
    return info.st_mtime + LocalOffset(info.st_mtime);
}

bool SetFileModificationTime(const std::string& path, std::int64_t localSeconds) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return false;
    // Local seconds back to UTC: the offset that applies at that moment.
    std::time_t utc = static_cast<std::time_t>(localSeconds);
    utc -= LocalOffset(utc - LocalOffset(utc));
    timespec times[2];
    times[0] = info.st_atim;  // access time stays as it was
    times[1].tv_sec = utc;
    times[1].tv_nsec = 0;
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}
