// Whole conversions through the executable, checked by decoding the JPEG it wrote.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/platform.h"
#include "support/support.h"

namespace fs = std::filesystem;
using namespace testing_support;

namespace {

std::vector<std::uint8_t> Blocks(int width, int height, int colours) {
    std::vector<std::uint8_t> out(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>((x / 8 + (y / 8) * 5) % colours);
    return out;
}

std::vector<std::uint8_t> Palette(int colours) {
    std::vector<std::uint8_t> palette;
    for (int i = 0; i < colours; ++i)
        for (int c = 0; c < 3; ++c) palette.push_back(static_cast<std::uint8_t>((i * (61 + 40 * c) + 30 * c) % 256));
    return palette;
}

PcxPicture Picture(int depth, int width = 40, int height = 24) {
    switch (depth) {
        case 1: return MakeMonoPcx(width, height, Blocks(width, height, 2));
        case 4: return MakePlanar4Pcx(width, height, Blocks(width, height, 16), Palette(16));
        case 8: return MakeIndexed8Pcx(width, height, Blocks(width, height, 256), Palette(256));
        default: return MakeTestCard(width, height);
    }
}

// A copy of the executable in a folder of its own, so that the program folder is known.
struct PrivateProgram {
    PrivateProgram() {
        exe = folder / "lumadex";
        fs::copy_file(LUMADEX_EXE, exe);
    }
    RunResult Run(const std::vector<std::string>& args, const std::string& workdir) const {
        RunOptions options;
        options.executable = exe;
        options.workingDirectory = workdir;
        return RunLumadex(args, options);
    }
    TempDir folder;
    std::string exe;
};

TEST(Conversion, EveryInputDepthDecodesFaithfully) {
    const struct { int depth; const char* bpp; int decodedDepth; bool grey; } cases[] = {
        {1, "0", 8, false}, {4, "0", 24, false}, {8, "0", 24, false}, {24, "0", 24, false},
        {8, "24", 24, false}, {24, "8", 8, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.depth << "-bit input, jpg-bpp " << c.bpp);
        TempDir work;
        WriteFile(work / "p.pcx", EncodePcx(Picture(c.depth)));
        RunOptions options;
        options.workingDirectory = work.path();
        const RunResult run = RunLumadex({"-q", "-i", "p.pcx", "--jpg-quality=100", std::string("--jpg-bpp=") + c.bpp}, options);
        EXPECT_EQ(run.out, "");
        Bitmap written = LoadPicture(work / "p.jpg");
        ASSERT_TRUE(written);
        EXPECT_EQ(FreeImage_GetWidth(written.get()), 40u);
        EXPECT_EQ(FreeImage_GetHeight(written.get()), 24u);
        EXPECT_EQ(static_cast<int>(FreeImage_GetBPP(written.get())), c.decodedDepth);
        Bitmap reference = LoadPicture(work / "p.pcx");
        ASSERT_TRUE(reference);
        if (c.grey) reference = Bitmap(FreeImage_ConvertTo8Bits(reference.get()));
        EXPECT_GT(Psnr(written.get(), reference.get()), 38.0);
    }
}

TEST(Conversion, OutputBesideTheInputFollowsTheCurrentDirectory) {
    // The input's folder is taken against the current directory, never the program folder.
    PrivateProgram program;
    TempDir work;
    fs::create_directories(work / "pics");
    WriteFile(work / "a.pcx", EncodePcx(Picture(24)));
    WriteFile(work / "pics/b.pcx", EncodePcx(Picture(24)));
    EXPECT_EQ(program.Run({"-q", "-i", "a.pcx"}, work.path()).out, "");
    EXPECT_EQ(program.Run({"-q", "-i", "pics/b.pcx"}, work.path()).out, "");
    EXPECT_TRUE(FileExists(work / "a.jpg"));
    EXPECT_TRUE(FileExists(work / "pics/b.jpg"));
    EXPECT_FALSE(FileExists(program.folder / "a.jpg"));
    EXPECT_FALSE(FileExists(program.folder / "pics"));
}

TEST(Conversion, ARelativeOutputFolderIsBelowTheProgramFolder) {
    PrivateProgram program;
    fs::create_directories(program.folder / "out");
    TempDir work;
    WriteFile(work / "a.pcx", EncodePcx(Picture(24)));
    for (const char* folder : {"out", "./out", "out/"}) {
        SCOPED_TRACE(folder);
        fs::remove(program.folder / "out/a.jpg");
        EXPECT_EQ(program.Run({"-q", "-i", "a.pcx", "-o", folder}, work.path()).out, "");
        EXPECT_TRUE(FileExists(program.folder / "out/a.jpg"));
        EXPECT_FALSE(FileExists(work / "a.jpg"));
    }
    fs::create_directories(work / "out");
    const RunResult rejected = program.Run({"-q", "-i", "../a.pcx", "-o", "../out"}, work.path() + "out/");
    EXPECT_NE(rejected.out.find("Error: Incorrect output folder\n"), std::string::npos) << rejected.out;
}

TEST(Conversion, AnExistingOutputIsReplaced) {
    TempDir work;
    WriteFile(work / "a.pcx", EncodePcx(Picture(24)));
    WriteFile(work / "a.jpg", "an older file of the same name");
    RunOptions options;
    options.workingDirectory = work.path();
    EXPECT_EQ(RunLumadex({"-q", "-i", "a.pcx"}, options).out, "");
    Bitmap written = LoadPicture(work / "a.jpg");
    ASSERT_TRUE(written);
    EXPECT_EQ(FreeImage_GetWidth(written.get()), 40u);
    // Nothing of the temporary save is left behind.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(work.path())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.jpg", "a.pcx"}));
}

TEST(Conversion, AFailedSaveKeepsWhatWasThere) {
    // A folder where the output should go cannot be replaced by a file: the run converts
    // nothing and leaves the folder and its contents as they were.
    TempDir work;
    WriteFile(work / "a.pcx", EncodePcx(Picture(24)));
    fs::create_directories(work / "a.jpg");
    WriteFile(work / "a.jpg/keep.txt", "kept");
    RunOptions options;
    options.workingDirectory = work.path();
    EXPECT_EQ(RunLumadex({"-q", "-i", "a.pcx"}, options).out, "Conversion stopped\n");
    EXPECT_EQ(ReadFile(work / "a.jpg/keep.txt"), "kept");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(work.path())) ++entries;
    EXPECT_EQ(entries, 2);
}

TEST(Conversion, TimestampsOriginalAndCustomToTheSecond) {
    TempDir work;
    WriteFile(work / "a.pcx", EncodePcx(Picture(24)));
    ASSERT_TRUE(SetFileModificationTime(work / "a.pcx", 1400000000));
    RunOptions options;
    options.workingDirectory = work.path();
    EXPECT_EQ(RunLumadex({"-q", "-i", "a.pcx", "--file-timestamp=ORIGINAL"}, options).out, "");
    EXPECT_EQ(FileModificationTime(work / "a.jpg"), 1400000000);
    EXPECT_EQ(RunLumadex({"-q", "-i", "a.pcx", "--file-timestamp=CUSTOM", "--file-timestamp-custom=1300000001"}, options).out, "");
    EXPECT_EQ(FileModificationTime(work / "a.jpg"), 1300000001);
}

TEST(Conversion, TheFilenameMaskNamesTheOutput) {
    const struct { const char* mask; const char* name; } cases[] = {
        {"IMG_%n%.%ext%", "img_00001.jpg"},
        {"%filename[u]%_%width%x%height%_%bpp%.%ext[u]%", "PHOTO_40x24_24.JPG"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mask);
        TempDir work;
        WriteFile(work / "Photo.pcx", EncodePcx(Picture(24)));
        RunOptions options;
        options.workingDirectory = work.path();
        EXPECT_EQ(RunLumadex({"-q", "-i", "Photo.pcx", std::string("--filename-mask=") + c.mask}, options).out, "");
        EXPECT_TRUE(FileExists(work / c.name));
    }
}

}  // namespace
