// End to end over the shared PCX corpus and the regression inputs: every valid file converts to
// a JPEG of its size close to its reference picture; every malformed or regression input ends
// quickly, converted or in the ordinary "Conversion stopped".
#include <gtest/gtest.h>

#include <filesystem>

#include "support/support.h"

namespace {

using testing_support::CorpusDir;
using testing_support::RunLumadex;
using testing_support::RunOptions;
using testing_support::RunResult;
using testing_support::TempDir;

const char* const kValid[] = {"16color", "CGA_FSD", "ICONDOC", "bw",         "ccbug_463951", "dice_rgba", "indexed4",
                              "indexed8", "mono",    "odd_stride", "p_4_planes", "pil184",     "rgb",       "sample"};

// The accurate decoder: FreeImage's default JPEG decoding trades precision for speed, which alone
// costs up to 20 dB on sharp pictures.
Bitmap LoadJpeg(const std::string& path) { return Bitmap(FreeImage_Load(FIF_JPEG, path.c_str(), JPEG_ACCURATE)); }

RunResult Convert(const TempDir& work, const std::string& source) {
    std::filesystem::copy_file(source, work / "f.pcx", std::filesystem::copy_options::overwrite_existing);
    RunOptions options;
    options.workingDirectory = work.path();
    options.timeoutSeconds = 10;
    return RunLumadex({"-q", "-i", "f.pcx", "--jpg-quality=100", "--jpg-chroma=none"}, options);
}

TEST(CorpusEndToEnd, ValidFilesConvertFaithfully) {
    if (CorpusDir().empty()) GTEST_SKIP() << "PCX corpus not present";
    for (const char* name : kValid) {
        TempDir work;
        const std::string base = CorpusDir() + "valid/" + name;
        const RunResult result = Convert(work, base + ".pcx");
        ASSERT_FALSE(result.timedOut) << name;
        const Bitmap jpeg = LoadJpeg(work / "f.jpg");
        const Bitmap reference = testing_support::LoadPicture(base + ".png");
        ASSERT_TRUE(jpeg) << name << ": no JPEG; output: " << result.out;
        ASSERT_EQ(BitmapWidth(jpeg), BitmapWidth(reference)) << name;
        ASSERT_EQ(BitmapHeight(jpeg), BitmapHeight(reference)) << name;
        EXPECT_GE(testing_support::Psnr(jpeg.get(), reference.get()), 40.0) << name;
    }
}

// Each ends within a second, either converted or refused the ordinary way.
void ExpectQuickEnd(const std::string& path) {
    TempDir work;
    const RunResult result = Convert(work, path);
    ASSERT_FALSE(result.timedOut) << path;
    EXPECT_LT(result.seconds, 1.0) << path;
    const bool converted = testing_support::FileExists(work / "f.jpg");
    EXPECT_TRUE(converted || result.out.find("Conversion stopped") != std::string::npos)
        << path << ": " << result.out << result.err;
}

TEST(CorpusEndToEnd, MalformedFilesEndQuickly) {
    if (CorpusDir().empty()) GTEST_SKIP() << "PCX corpus not present";
    for (const auto& entry : std::filesystem::directory_iterator(CorpusDir() + "malformed"))
        if (entry.path().extension() == ".pcx") ExpectQuickEnd(entry.path().string());
}

TEST(CorpusEndToEnd, RegressionInputsEndQuickly) {
    const std::string dir = std::string(LUMADEX_SOURCE_DIR) + "/tests/fixtures/pcx-regress";
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".pcx") ExpectQuickEnd(entry.path().string());
}

}  // namespace
