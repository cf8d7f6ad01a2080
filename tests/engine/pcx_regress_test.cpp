// Inputs that fuzzing found mishandled: each loads or is refused quickly, and those FreeImage
// decodes from uninitialised memory are kept away from it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "engine/pcx_load.h"
#include "support/support.h"

namespace {

const std::string kRegressDir = std::string(LUMADEX_SOURCE_DIR) + "/tests/fixtures/pcx-regress/";

struct Regression {
    const char* file;
    unsigned width, height;  // of the loaded picture
};

const Regression kKeptFromFreeImage[] = {
    {"mono_data_ends_early.pcx", 19, 7},
    {"indexed256_without_palette.pcx", 13, 5},
    {"rgb_runs_across_lines.pcx", 4, 2},
};

TEST(PcxRegressions, FreeImageNeverSeesInputsItMisreads) {
    for (const Regression& r : kKeptFromFreeImage) {
        std::string reader;
        const Bitmap bitmap = LoadPcxFile(kRegressDir + r.file, reader);
        ASSERT_TRUE(bitmap) << r.file;
        EXPECT_EQ(reader, "fallback") << r.file;
        EXPECT_EQ(BitmapWidth(bitmap), r.width) << r.file;
        EXPECT_EQ(BitmapHeight(bitmap), r.height) << r.file;
    }
}

// Three runs of 8 bytes (0x10, 0x50, 0x90) over two lines of 3 planes x 4 bytes: each run goes
// on where the one before ended, across planes and across the end of the first line.
TEST(PcxRegressions, RunsAcrossLinesCarryOn) {
    std::string reader;
    const Bitmap bitmap = LoadPcxFile(kRegressDir + "rgb_runs_across_lines.pcx", reader);
    ASSERT_TRUE(bitmap);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            const testing_support::Pixel p = testing_support::PixelAt(bitmap.get(), x, y);
            const int expected[2][3] = {{0x10, 0x10, 0x50}, {0x50, 0x90, 0x90}};
            EXPECT_EQ(p.r, expected[y][0]) << x << "," << y;
            EXPECT_EQ(p.g, expected[y][1]) << x << "," << y;
            EXPECT_EQ(p.b, expected[y][2]) << x << "," << y;
        }
}

TEST(PcxRegressions, EveryInputEndsQuickly) {
    for (const auto& entry : std::filesystem::directory_iterator(kRegressDir)) {
        if (entry.path().extension() != ".pcx") continue;
        const auto start = std::chrono::steady_clock::now();
        std::string reader;
        (void)LoadPcxFile(entry.path().string(), reader);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 1.0)
            << entry.path();
    }
}

}  // namespace
