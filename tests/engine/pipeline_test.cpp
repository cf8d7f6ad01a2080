// The single-image pipeline, checked by decoding what it wrote.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/format_tables.h"
#include "engine/job.h"
#include "engine/output_depth.h"
#include "engine/pipeline.h"
#include "settings/settings.h"
#include "support/support.h"

using namespace testing_support;

namespace {

std::vector<std::uint8_t> Indices(int width, int height, int colours) {
    std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(((x / 8) + (y / 8) * 3) % colours);
    return out;
}

std::vector<std::uint8_t> Palette(int colours) {
    std::vector<std::uint8_t> palette;
    for (int i = 0; i < colours; ++i) {
        palette.push_back(static_cast<std::uint8_t>((i * 97) % 256));
        palette.push_back(static_cast<std::uint8_t>((i * 53 + 40) % 256));
        palette.push_back(static_cast<std::uint8_t>((i * 181 + 90) % 256));
    }
    return palette;
}

PcxPicture Fixture(int depth) {
    const int w = 64, h = 48;
    switch (depth) {
        case 1: {
            std::vector<std::uint8_t> bits = Indices(w, h, 2);
            return MakeMonoPcx(w, h, bits);
        }
        case 4: return MakePlanar4Pcx(w, h, Indices(w, h, 16), Palette(16));
        case 8: return MakeIndexed8Pcx(w, h, Indices(w, h, 256), Palette(256));
        default: return MakeTestCard(w, h);
    }
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class PipelineTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateFormatLists();
        FillInputExtensionTable();
        FillOutputFormatTable();
        savedSettings = Settings;
        Settings = ConversionSettings{};  // every step off
        Settings.output.jpgQuality = 100;
        Settings.output.jpgChroma = 0;
        Settings.advanced.filenameMask = "%filename%.%ext%";
        Job = ConversionJob{};
        Job.outputExtension = "jpg";
        Job.currentOutputFolder = out.path();
        Job.counter = 1;
        Job.randomNumber = 1;
    }
    void TearDown() override {
        Settings = savedSettings;
        Job = ConversionJob{};
    }
    std::string WriteInput(const PcxPicture& picture, const std::string& name = "in.pcx") {
        WriteFile(in / name, EncodePcx(picture));
        return in / name;
    }
    bool Convert(const std::string& input, int bpp) {
        Settings.output.jpgBpp = bpp;
        PrepareOutput();
        Job.inputPath = input;
        return ConvertOneImage();
    }
    TempDir in, out;
    ConversionSettings savedSettings;
};

TEST_F(PipelineTest, ConvertsEveryInputDepthFaithfully) {
    const struct { int inputDepth, bpp, written, decodedDepth; bool grey; } cases[] = {
        // automatic depth: 8 for palette pictures (the encoder stores colour palettes as 24-bit)
        {1, 0, 8, 8, false}, {4, 0, 8, 24, false}, {8, 0, 8, 24, false}, {24, 0, 24, 24, false},
        // fixed depth
        {8, 24, 24, 24, false}, {4, 24, 24, 24, false}, {24, 8, 8, 8, true}, {1, 24, 24, 24, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.inputDepth << "-bit input, jpg-bpp " << c.bpp);
        const std::string input = WriteInput(Fixture(c.inputDepth));
        ASSERT_TRUE(Convert(input, c.bpp));
        EXPECT_EQ(Job.sourceDepth, c.inputDepth);
        EXPECT_EQ(Job.targetDepth, c.written);
        EXPECT_EQ(Job.outputPath, out / "in.jpg");
        EXPECT_EQ(Job.namingWidth, 64);
        EXPECT_EQ(Job.namingHeight, 48);

        Bitmap written = LoadPicture(Job.outputPath);
        ASSERT_TRUE(written);
        EXPECT_EQ(FreeImage_GetFileType(Job.outputPath.c_str(), 0), FIF_JPEG);
        EXPECT_EQ(FreeImage_GetWidth(written.get()), 64u);
        EXPECT_EQ(FreeImage_GetHeight(written.get()), 48u);
        EXPECT_EQ(static_cast<int>(FreeImage_GetBPP(written.get())), c.decodedDepth);

        Bitmap reference = LoadPicture(input);
        ASSERT_TRUE(reference);
        if (c.grey) reference = Bitmap(FreeImage_ConvertTo8Bits(reference.get()));
        EXPECT_GT(Psnr(written.get(), reference.get()), 38.0);
    }
}

TEST_F(PipelineTest, UsesTheCorpusWhenPresent) {
    const std::string corpus = CorpusDir();
    if (corpus.empty()) GTEST_SKIP() << "PCX corpus not present";
    for (const char* name : {"rgb", "indexed8", "16color", "sample"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(Convert(corpus + "valid/" + name + ".pcx", 0));
        Bitmap written = LoadPicture(Job.outputPath);
        Bitmap reference = LoadPicture(corpus + "valid/" + name + ".png");
        ASSERT_TRUE(written && reference);
        EXPECT_GT(Psnr(written.get(), reference.get()), 38.0);
    }
}

TEST_F(PipelineTest, ReplacesAnExistingOutput) {
    const std::string input = WriteInput(Fixture(24));
    WriteFile(out / "in.jpg", "old contents");
    ASSERT_TRUE(Convert(input, 0));
    EXPECT_TRUE(LoadPicture(out / "in.jpg"));
    EXPECT_EQ(FolderEntries(out.path()), std::vector<std::string>{"in.jpg"});
}

TEST_F(PipelineTest, AFailedSaveLeavesTheOldOutputAndNoTemporaryFile) {
    const std::string input = WriteInput(Fixture(24));
    WriteFile(out / "in.jpg", "old contents");
    // A depth the JPEG encoder cannot store makes the save itself fail.
    Settings.output.jpgBpp = 16;
    PrepareOutput();
    Job.inputPath = input;
    EXPECT_FALSE(ConvertOneImage());
    EXPECT_EQ(ReadFile(out / "in.jpg"), "old contents");
    EXPECT_EQ(FolderEntries(out.path()), std::vector<std::string>{"in.jpg"});
}

TEST_F(PipelineTest, AMissingOutputFolderFailsWithoutCreatingIt) {
    const std::string input = WriteInput(Fixture(24));
    Job.currentOutputFolder = out / "missing/";
    EXPECT_FALSE(Convert(input, 0));
    EXPECT_FALSE(FileExists(out / "missing"));
}

TEST_F(PipelineTest, AnUnreadableInputNamesNoOutput) {
    const struct { const char* name; std::string content; } cases[] = {
        {"text.pcx", "this is not a picture at all, just some words"},
        {"missing.pcx", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.content.empty()) WriteFile(in / c.name, c.content);
        Job.outputPath = "/stale/previous.jpg";
        EXPECT_FALSE(Convert(in / c.name, 0));
        EXPECT_EQ(Job.outputPath, "");
        EXPECT_EQ(Job.reader, "");
        EXPECT_EQ(Job.sourceDepth, 0);
    }
    EXPECT_TRUE(FolderEntries(out.path()).empty());
}

TEST_F(PipelineTest, TheSaveCanReplaceTheInputItself) {
    // A mask that names the input: the picture is read completely before anything is written.
    const std::string input = WriteInput(Fixture(24), "same.jpg");
    Job.currentOutputFolder = in.path();
    ASSERT_TRUE(Convert(input, 0));
    EXPECT_EQ(FreeImage_GetFileType(input.c_str(), 0), FIF_JPEG);
}

}  // namespace
