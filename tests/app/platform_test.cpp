// Platform services: file sizes, the data folder, the instance guard, file times.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

#include "app/identity.h"
#include "app/platform.h"
#include "support/support.h"

using testing_support::TempDir;
using testing_support::WriteFile;

TEST(Platform, FileSizeTellsFilesFoldersAndMissingPaths) {
    TempDir dir;
    WriteFile(dir / "five", std::string("12345"));
    WriteFile(dir / "empty", std::string());
    EXPECT_EQ(FileSize(dir / "five"), 5);
    EXPECT_EQ(FileSize(dir / "empty"), 0);
    EXPECT_EQ(FileSize(dir / "missing"), -1);
    EXPECT_EQ(FileSize(dir.path()), -2);
    EXPECT_EQ(FileSize(""), -1);
}

TEST(Platform, DataFolderIsCreatedBelowTheConfigHome) {
    TempDir dir;
    setenv("XDG_CONFIG_HOME", (dir / "conf").c_str(), 1);
    CreateFolder(dir / "conf");
    EXPECT_EQ(FindDataFolder("Quillon", "lumadex"), dir / "conf/Quillon/lumadex/");
    EXPECT_EQ(FileSize(dir / "conf/Quillon/lumadex"), -2);
    // A second call finds what the first made.
    EXPECT_EQ(FindDataFolder("Quillon", "lumadex"), dir / "conf/Quillon/lumadex/");

    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", (dir / "home").c_str(), 1);
    EXPECT_EQ(ApplicationDataFolder(), dir / "home/.config/");
}

TEST(Platform, ProgramFolderEndsInSlash) {
    const std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.front(), '/');
    EXPECT_EQ(folder.back(), '/');
}

TEST(Platform, InstanceGuardIsExclusive) {
    TempDir dir;
    setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
    ASSERT_TRUE(AcquireInstanceGuard(MakeTitle()));
    const std::string lock = dir / "Quillon PCX to JPG 2.7.lock";
    const int other = open(lock.c_str(), O_RDWR);
    ASSERT_GE(other, 0);
    EXPECT_NE(flock(other, LOCK_EX | LOCK_NB), 0) << "a second holder must be refused";
    ReleaseInstanceGuard();
    EXPECT_EQ(flock(other, LOCK_EX | LOCK_NB), 0) << "released at the end";
    close(other);
}

TEST(Platform, ModificationTimeRoundTripsInLocalSeconds) {
    TempDir dir;
    WriteFile(dir / "f", std::string("x"));
    const std::int64_t when = 1700000000;  // local-time seconds
    ASSERT_TRUE(SetFileModificationTime(dir / "f", when));
    EXPECT_EQ(FileModificationTime(dir / "f"), when);
    EXPECT_EQ(FileModificationTime(dir / "missing"), -1);
}
