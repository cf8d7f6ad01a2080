// Profile files: their [CLI] group applied as advanced options, in command-line order.
#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "cli/option_loop.h"
#include "cli/profile.h"
#include "engine/job.h"
#include "settings/settings.h"
#include "support/support.h"

using testing_support::TempDir;
using testing_support::WriteFile;

namespace {
class Profile : public testing::Test {
protected:
    void SetUp() override {
        Job = ConversionJob{};
        ResetSettings(true);
    }
    std::string Write(const std::string& text) {
        const std::string path = dir / ("p" + std::to_string(++count) + ".ini");
        WriteFile(path, text);
        return path;
    }
    OptionPass Read(std::vector<std::string> parameters) {
        ProgramParameters = std::move(parameters);
        return ReadOptionParameters();
    }
    TempDir dir;
    int count = 0;
};

TEST_F(Profile, PrecedenceFollowsTheCommandLineOrder) {
    const std::string profile = Write("[CLI]\n--jpg-quality=70\n");
    EXPECT_EQ(Read({"--profile=" + profile, "--jpg-quality=90"}).error, "");
    EXPECT_EQ(Settings.output.jpgQuality, 90);
    SetUp();
    EXPECT_EQ(Read({"--jpg-quality=90", "--PROFILE=" + profile}).error, "");
    EXPECT_EQ(Settings.output.jpgQuality, 70);
    // Several profiles apply one after the other.
    const std::string second = Write("[cli]\n--JPG-QUALITY=40\n");
    SetUp();
    EXPECT_EQ(Read({"--profile=" + profile, "--profile=" + second}).error, "");
    EXPECT_EQ(Settings.output.jpgQuality, 40);
}

TEST_F(Profile, UnreadableProfilesAreRefused) {
    EXPECT_FALSE(ApplyProfile(""));
    EXPECT_FALSE(ApplyProfile(dir / "missing.ini"));
    EXPECT_FALSE(ApplyProfile(dir.path()));  // a folder
    const OptionPass pass = Read({"--profile=" + dir / "missing.ini", "-q"});
    EXPECT_EQ(pass.error, "Invalid profile file");
    EXPECT_FALSE(pass.quiet);  // the loop stopped there
}

TEST_F(Profile, OnlyTheFirstCliGroupCounts) {
    const std::string path = Write(
        "--jpg-quality=10\n"
        "[General]\n--jpg-quality=11\n"
        "[Cli]\n--jpg-quality=12\n--width=30\n--width=31\n"
        "[Other]\n--height=5\n"
        "[CLI]\n--jpg-quality=13\n");
    EXPECT_TRUE(ApplyProfile(path));
    EXPECT_EQ(Settings.output.jpgQuality, 12);
    EXPECT_EQ(Settings.transform.imageWidth, 31);  // a key given twice: the lower one wins
    EXPECT_EQ(Settings.transform.imageHeight, 0);
}

TEST_F(Profile, WithoutACliGroupNothingChanges) {
    EXPECT_TRUE(ApplyProfile(Write("[General]\n--jpg-quality=10\n")));
    EXPECT_TRUE(ApplyProfile(Write("")));
    EXPECT_EQ(Settings.output.jpgQuality, 95);
}

TEST_F(Profile, FrameOpacityHasItsOwnNameInAProfile) {
    EXPECT_TRUE(ApplyProfile(Write("[CLI]\n--fr-solid-opacity=128\n")));
    EXPECT_EQ(Settings.frame.solidOpacity, 255);
    EXPECT_TRUE(ApplyProfile(Write("[CLI]\n--wm-solid-opacity=128\n")));
    EXPECT_EQ(Settings.frame.solidOpacity, 128);
}

TEST_F(Profile, ValuesAreNeverRefused) {
    EXPECT_TRUE(ApplyProfile(Write(
        "[CLI]\n"
        "--invert=0\n"
        "--greyscale=\n"
        "--jpg-quality=\n"
        "--resize-algorithm=\n"
        "--wm-text=\n"
        "--width =  \t 640 \n"
        "--filename-mask = \"\"%filename%_small.%ext%\" \n"
        "--wm-font= \"Sans\" \n"
        "--resize-algorithm=  Lanczos  \n")));
    EXPECT_EQ(Settings.adjustment.imageInvert, 1);  // flags act whatever their value
    EXPECT_EQ(Settings.adjustment.doImageColorCorrection, 1);
    EXPECT_EQ(Settings.adjustment.doImageGreyscale, 1);
    EXPECT_EQ(Settings.output.jpgQuality, 0);  // an empty number is 0
    EXPECT_EQ(Settings.watermark.text, "");
    EXPECT_EQ(Settings.watermark.doWatermark, 1);
    EXPECT_EQ(Settings.transform.imageWidth, 640);
    EXPECT_EQ(Settings.transform.doImageResize, 1);
    EXPECT_EQ(Settings.advanced.filenameMask, "%filename%_small.%ext%");
    EXPECT_EQ(Settings.watermark.font, "\"Sans\"");  // only the mask loses its quotes
    EXPECT_EQ(Settings.transform.imageResizeAlgorithm, 5);
}

TEST_F(Profile, CoreOptionsAndNestedProfilesAreIgnored) {
    const std::string inner = Write("[CLI]\n--jpg-quality=10\n");
    const std::string outer = Write(
        "[CLI]\n--profile=" + inner + "\n-i=x.pcx\n--input=x.pcx\n--output=out/\n--conversion=bmp\n"
        "--debug=1\n--quiet=1\n--pause=1\n--help=1\n--version=1\n--no-such-option=1\n--contrast=5\n");
    EXPECT_TRUE(ApplyProfile(outer));
    EXPECT_EQ(Settings.output.jpgQuality, 95);
    EXPECT_EQ(Settings.adjustment.imageContrast, 5);
    EXPECT_EQ(Job.commandLineInput, "");
    EXPECT_EQ(Job.consoleMode, 0);
    EXPECT_EQ(Job.currentOutputFolder, "");
    EXPECT_EQ(Job.outputExtension, "");
    EXPECT_EQ(Job.debugWord, "");
}

TEST_F(Profile, ReadsLatin1AndUtf8Texts) {
    EXPECT_TRUE(ApplyProfile(Write("[CLI]\n--wm-text=Caf\xE9\n")));
    EXPECT_EQ(Settings.watermark.text, "Caf\u00E9");
    EXPECT_TRUE(ApplyProfile(Write("\xEF\xBB\xBF[CLI]\n--wm-text=Caf\u00E9\n")));
    EXPECT_EQ(Settings.watermark.text, "Caf\u00E9");
}
}  // namespace
