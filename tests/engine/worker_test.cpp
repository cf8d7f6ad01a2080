// The conversion worker: counting, naming values, stop requests, timestamps and debug lines.
#include <gtest/gtest.h>

#include "app/platform.h"
#include "engine/format_tables.h"
#include "engine/input_files.h"
#include "engine/job.h"
#include "engine/output_depth.h"
#include "engine/worker.h"
#include "settings/settings.h"
#include "support/support.h"

using namespace testing_support;

namespace {

class WorkerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateFormatLists();
        FillInputExtensionTable();
        FillOutputFormatTable();
        BuildAllowedInputExtensions();
        savedSettings = Settings;
        Settings = ConversionSettings{};
        Settings.output.jpgQuality = 90;
        Settings.advanced.filenameMask = "%filename%-%n%.%ext%";
        Job = ConversionJob{};
        Job.outputExtension = "jpg";
        Job.currentOutputFolder = dir.path();
        Job.counter = 1;
        Job.randomNumber = 1;
        PrepareOutput();
        InputFiles.clear();
        ResetProgress();
    }
    void TearDown() override {
        Settings = savedSettings;
        Job = ConversionJob{};
        InputFiles.clear();
    }
    std::string Picture(const std::string& name) {
        WriteFile(dir / name, EncodePcx(MakeTestCard(16, 8)));
        return dir / name;
    }
    int RunWorker() {
        StartConversionWorker().join();
        std::lock_guard lock(Progress.mutex);
        return Progress.convertedCount;
    }
    TempDir dir;
    ConversionSettings savedSettings;
};

TEST_F(WorkerTest, AnEmptyMapConvertsNothing) {
    EXPECT_EQ(RunWorker(), 0);
    EXPECT_EQ(Progress.currentIndex, 0);
}

TEST_F(WorkerTest, AClearedRunFlagStopsBeforeTheFirstInput) {
    ASSERT_TRUE(AddInputFile(Picture("a.pcx")));
    RequestStop();
    EXPECT_EQ(RunWorker(), 0);
    EXPECT_FALSE(FileExists(dir / "a-00001.jpg"));
}

TEST_F(WorkerTest, TheCounterMovesOnlyAfterASuccess) {
    WriteFile(dir / "bad.pcx", "not a picture");
    ASSERT_TRUE(AddInputFile(dir / "bad.pcx"));
    EXPECT_EQ(RunWorker(), 0);
    EXPECT_EQ(Progress.currentIndex, 1);  // started, not converted
    EXPECT_EQ(Job.counter, 1);

    ASSERT_TRUE(AddInputFile(Picture("good.pcx")));
    ResetProgress();
    EXPECT_EQ(RunWorker(), 1);
    EXPECT_TRUE(FileExists(dir / "good-00001.jpg"));  // the failure did not use up number 1
    EXPECT_EQ(Job.counter, 2);
    EXPECT_GE(Job.randomNumber, 1);
    EXPECT_LE(Job.randomNumber, 99999);

    // The same map converts again with the next number.
    ResetProgress();
    EXPECT_EQ(RunWorker(), 1);
    EXPECT_TRUE(FileExists(dir / "good-00002.jpg"));
    EXPECT_EQ(Progress.currentFile, dir / "good.pcx");
}

TEST_F(WorkerTest, TimestampsAreSetToTheSecond) {
    const std::string input = Picture("t.pcx");
    const std::int64_t original = 1500000000;  // a moment in 2017, local time
    ASSERT_TRUE(SetFileModificationTime(input, original));
    ASSERT_TRUE(AddInputFile(input));

    const struct { int mode; std::int64_t expected; } cases[] = {{1, original}, {2, 1234567890}};
    for (const auto& c : cases) {
        Settings.advanced.fileTimestamp = static_cast<std::uint8_t>(c.mode);
        Settings.advanced.customTimestamp = 1234567890;
        ResetProgress();
        ASSERT_EQ(RunWorker(), 1) << c.mode;
        EXPECT_EQ(FileModificationTime(Job.outputPath), c.expected) << c.mode;
    }

    // CURRENT leaves the time of the save.
    Settings.advanced.fileTimestamp = 0;
    ResetProgress();
    ASSERT_EQ(RunWorker(), 1);
    EXPECT_GT(FileModificationTime(Job.outputPath), original + 100000000);
}

TEST_F(WorkerTest, DebugLinesOnlyInConsoleMode) {
    ASSERT_TRUE(AddInputFile(Picture("d.pcx")));
    WriteFile(dir / "x.pcx", "not a picture");
    Job.debugWord = "DEBUG";

    Job.consoleMode = 0;
    testing::internal::CaptureStdout();
    RunWorker();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    Job.consoleMode = 1;
    ResetProgress();
    testing::internal::CaptureStdout();
    RunWorker();
    const std::string good = testing::internal::GetCapturedStdout();
    EXPECT_EQ(good, "Processing: " + dir / "d.pcx" + "\nReader: " + Job.reader + "\nSaving As: " + dir / "d-00002.jpg" + "\nOK\n");
    EXPECT_NE(Job.reader, "");

    ASSERT_TRUE(AddInputFile(dir / "x.pcx"));
    ResetProgress();
    testing::internal::CaptureStdout();
    RunWorker();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Processing: " + dir / "x.pcx" + "\nReader: none\nSaving As: \nNot OK\n");
}

}  // namespace
