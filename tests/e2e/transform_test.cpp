// End-to-end runs of the transform and colour steps: a PCX made here is converted by the real
// program and the JPEG it writes is checked for its size and colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/support.h"

using namespace testing_support;

namespace {

struct SizeCase {
    const char* name;
    std::vector<std::string> options;
    unsigned expectWidth, expectHeight;
};

const SizeCase kSizeCases[] = {
    {"quarter turn", {"--ROTATION=90"}, 100, 200},
    {"advanced quarter turn keeps the size", {"--ROTATION=90", "--ROTATION-TYPE=ADVANCED"}, 200, 100},
    {"resize works on the turned size",
     {"--ROTATION=90", "--WIDTH=50", "--WIDTH-UNIT=PERCENT", "--HEIGHT=50", "--HEIGHT-UNIT=PERCENT"},
     50, 100},
    {"proportional resize follows the width",
     {"--WIDTH=80", "--HEIGHT=1", "--KEEP-ASPECT-RATIO"}, 80, 40},
};

TEST(TransformRun, OutputSizes) {
    for (const SizeCase& c : kSizeCases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        WriteFile(dir / "card.pcx", EncodePcx(MakeTestCard(200, 100)));
        std::vector<std::string> args = {"-i", dir / "card.pcx", "-o", dir.path()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const RunResult run = RunLumadex(args);
        ASSERT_FALSE(run.timedOut);
        const Bitmap out = LoadPicture(dir / "card.jpg");
        ASSERT_TRUE(out) << run.out;
        EXPECT_EQ(BitmapWidth(out), c.expectWidth);
        EXPECT_EQ(BitmapHeight(out), c.expectHeight);
    }
}

TEST(TransformRun, InvertOfSixteenColourPicture) {
    // A 16-colour picture, black left half and white right half, comes out inverted.
    std::vector<std::uint8_t> palette(48, 0);
    palette[45] = palette[46] = palette[47] = 255;  // index 15 white
    std::vector<std::uint8_t> indices(16 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 8; x < 16; ++x) indices[static_cast<std::size_t>(y) * 16 + x] = 15;
    TempDir dir;
    WriteFile(dir / "halves.pcx", EncodePcx(MakePlanar4Pcx(16, 8, indices, palette)));
    const RunResult run = RunLumadex({"-i", dir / "halves.pcx", "-o", dir.path(), "--INVERT"});
    const Bitmap out = LoadPicture(dir / "halves.jpg");
    ASSERT_TRUE(out) << run.out;
    EXPECT_GT(PixelAt(out.get(), 2, 4).r, 240);
    EXPECT_LT(PixelAt(out.get(), 13, 4).r, 15);
}

}  // namespace
