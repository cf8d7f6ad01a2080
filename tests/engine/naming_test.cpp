// Output naming: masks, tokens, padding and the output path.
#include <gtest/gtest.h>

#include <ctime>

#include "engine/job.h"
#include "engine/naming.h"
#include "settings/settings.h"

namespace {

struct NamingJob {
    NamingJob(const std::string& input) {
        Job = ConversionJob{};
        Job.inputPath = input;
        Job.outputExtension = "jpg";
        Job.counter = 1;
        Job.randomNumber = 42;
        Job.targetDepth = 24;
        Job.namingWidth = 320;
        Job.namingHeight = 200;
    }
    ~NamingJob() { Job = ConversionJob{}; }
};

struct MaskCase {
    const char* input;
    const char* mask;
    const char* expected;
};

TEST(ExpandMask, GivesTheDocumentedNames) {
    const MaskCase cases[] = {
        {"/in/Photo.PCX", "%filename%.%ext%", "Photo.jpg"},
        {"/in/Photo.PCX", "", "Photo.jpg"},  // an empty mask is the default one
        {"/in/Photo.pcx", "%FILENAME[U]%-%n%", "PHOTO-00001"},
        {"/in/pHOTO.pcx", "%filename[t]%.%ext[t]%", "Photo.Jpg"},
        {"/in/pHOTO.pcx", "%filename[l]%.%ext[u]%", "photo.JPG"},
        {"/in/Photo.pcx", "Copy of %filename%.%ext%", "copy of Photo.jpg"},
        {"/in/Photo.pcx", "IMG_%n%.%ext%", "img_00001.jpg"},
        {"/in/photo", "%filename%", "photo"},  // a name without a dot stays whole
        {"/in/a.b.pcx", "%filename%", "a.b"},  // only the last extension goes
        {"/in.d/photo", "%filename%", "photo"},  // a dot in a folder is not the extension
        {"/in/Photo.pcx", "%width%x%height%-%bpp%", "320x200-24"},
        {"/in/Photo.pcx", "%rnd%", "00042"},
        {"/in/Photo.pcx", "%n%%n%.%ext%%ext%", "0000100001.jpgjpg"},
        {"/in/Photo.pcx", "%unknown%.%ext%", "%unknown%.jpg"},
        {"/in/Photo.pcx", "%FileName", "%filename"},
        // Letters beyond ASCII change case too; the mask's own text is lower-cased the same way.
        {"/in/Café Über.pcx", "%filename[u]%", "CAFÉ ÜBER"},
        {"/in/ÉTÉ.pcx", "%filename[l]%_%filename[t]%", "été_Été"},
        {"/in/Photo.pcx", "ÄRGER %filename%", "ärger Photo"},
    };
    for (const MaskCase& c : cases) {
        NamingJob job(c.input);
        EXPECT_EQ(ExpandMask(c.mask), c.expected) << c.input << " with mask " << c.mask;
    }
}

TEST(ExpandMask, ValuesOfEarlierTokensAreSearchedByLaterOnes) {
    // The file name brings "%n%" with it, which the counter token then expands.
    NamingJob job("/in/shot%n%.pcx");
    Job.counter = 7;
    EXPECT_EQ(ExpandMask("%filename%.%ext%"), "shot00007.jpg");
}

TEST(ExpandToken, FindsTheTokenInAnyCaseAndLeavesOtherTextAlone) {
    NamingJob job("/in/Photo.pcx");
    EXPECT_EQ(ExpandToken("A %EXT% and %Ext% here", "%ext%"), "A jpg and jpg here");
    EXPECT_EQ(ExpandToken("Keep CASE %n%", "%N%"), "Keep CASE 00001");
    EXPECT_EQ(ExpandToken("no token", "%ext%"), "no token");
    EXPECT_EQ(ExpandToken("", "%ext%"), "");
}

TEST(ExpandToken, DateTokensReadTheLocalClock) {
    NamingJob job("/in/Photo.pcx");
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(ExpandToken("%yyyy%", "%yyyy%"), std::to_string(local.tm_year + 1900));
    const std::string month = ExpandToken("%mm%", "%mm%");
    ASSERT_EQ(month.size(), 2u);
    EXPECT_EQ(std::stoi(month), local.tm_mon + 1);
    for (const char* token : {"%dd%", "%hh%", "%ii%", "%ss%"}) EXPECT_EQ(ExpandToken(token, token).size(), 2u) << token;
}

TEST(PadToFive, PadsShortNumbersAndKeepsTheFirstFiveDigitsOfLongOnes) {
    const struct { long long number; const char* text; } cases[] = {
        {1, "00001"}, {12, "00012"}, {99999, "99999"}, {123456, "12345"}, {0, "00000"},
    };
    for (const auto& c : cases) EXPECT_EQ(PadToFive(c.number), c.text) << c.number;
}

TEST(BuildOutputPath, JoinsFolderSubfolderAndName) {
    NamingJob job("/in/sub/Photo.pcx");
    const auto saved = Settings.advanced;
    Job.currentOutputFolder = "/out/";
    Job.relativeSubfolder = "sub/";
    Settings.advanced.filenameMask = "%filename%.%ext%";
    Settings.advanced.keepSubfolders = 0;
    EXPECT_EQ(BuildOutputPath(), "/out/Photo.jpg");
    Settings.advanced.keepSubfolders = 1;
    EXPECT_EQ(BuildOutputPath(), "/out/sub/Photo.jpg");
    Settings.advanced = saved;
}

}  // namespace
