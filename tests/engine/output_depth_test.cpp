// Output depth and save flags: PrepareOutput, SaveFlags and the depth conversions.
#include <gtest/gtest.h>

#include "engine/format_tables.h"
#include "engine/job.h"
#include "engine/output_depth.h"
#include "engine/steps.h"
#include "settings/settings.h"

namespace {

class OutputDepthTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateFormatLists();
        FillOutputFormatTable();
        savedSettings = Settings;
        Job = ConversionJob{};
        Job.outputExtension = "jpg";
        Settings.output.jpgQuality = 95;
        Settings.output.jpgChroma = 0;
        Settings.output.jpgSaveAs = 0;
        Settings.output.jpgBpp = 0;
    }
    void TearDown() override {
        Settings = savedSettings;
        Job = ConversionJob{};
    }
    ConversionSettings savedSettings;
};

TEST_F(OutputDepthTest, SaveFlagsCombineQualityChromaAndSaveAs) {
    const struct { int quality, chroma, saveAs, flags; } cases[] = {
        {95, 0, 0, 65631},  // the defaults: 95 | 4:4:4
        {80, 2, 3, 24656},  // 80 | 4:2:0 | progressive
        {50, 1, 1, 50 | JPEG_SUBSAMPLING_422 | JPEG_BASELINE},
        {50, 3, 2, 50 | JPEG_SUBSAMPLING_411 | JPEG_OPTIMIZE},
        {70, 9, 9, 70},  // codes without a flag add nothing
        {1, -1, -1, 1},
    };
    for (const auto& c : cases) {
        Settings.output.jpgQuality = c.quality;
        Settings.output.jpgChroma = c.chroma;
        Settings.output.jpgSaveAs = c.saveAs;
        EXPECT_EQ(SaveFlags(), c.flags) << c.quality << "/" << c.chroma << "/" << c.saveAs;
    }
}

TEST_F(OutputDepthTest, PrepareOutputFillsTheJobForJpeg) {
    PrepareOutput();
    EXPECT_EQ(Job.outputFormatId, FIF_JPEG);
    EXPECT_EQ(Job.targetDepth, 0);
    EXPECT_EQ(Job.automaticDepth, 1);
    EXPECT_EQ(Job.saveFlags, 65631);

    Settings.output.jpgBpp = 8;
    PrepareOutput();
    EXPECT_EQ(Job.targetDepth, 8);
    EXPECT_EQ(Job.automaticDepth, 0);
}

TEST_F(OutputDepthTest, AutomaticDepthFollowsTheDepthAsLoaded) {
    const struct { int sourceDepth, bitmapDepth, target; } cases[] = {
        {1, 1, 8}, {4, 4, 8}, {8, 8, 8}, {24, 24, 24}, {32, 32, 24},
        {8, 24, 8},  // a frame made it 24-bit: back to 8 because the input was 8-bit
    };
    for (const auto& c : cases) {
        Job.automaticDepth = 1;
        Job.targetDepth = 0;
        Job.sourceDepth = c.sourceDepth;
        Bitmap out = ConvertToOutputDepth(Bitmap(FreeImage_Allocate(4, 3, c.bitmapDepth)));
        EXPECT_EQ(Job.targetDepth, c.target) << c.sourceDepth;
        ASSERT_TRUE(out) << c.sourceDepth;
        EXPECT_EQ(static_cast<int>(FreeImage_GetBPP(out.get())), c.target) << c.sourceDepth;
    }
}

TEST_F(OutputDepthTest, FixedDepthsConvertByTheTable) {
    const int targets[] = {1, 4, 8, 16, 24, 32, 48, 96};
    for (const int from : {8, 24, 32}) {
        for (const int target : targets) {
            Job.automaticDepth = 0;
            Job.targetDepth = target;
            Bitmap out = ConvertToOutputDepth(Bitmap(FreeImage_Allocate(5, 4, from)));
            ASSERT_TRUE(out) << from << " to " << target;
            EXPECT_EQ(static_cast<int>(FreeImage_GetBPP(out.get())), target) << from << " to " << target;
            EXPECT_EQ(FreeImage_GetWidth(out.get()), 5u);
        }
    }
}

TEST_F(OutputDepthTest, SameDepthHandsTheBitmapOnUnchanged) {
    Job.targetDepth = 24;
    Bitmap in(FreeImage_Allocate(5, 4, 24));
    FIBITMAP* raw = in.get();
    Bitmap out = ConvertToOutputDepth(std::move(in));
    EXPECT_EQ(out.get(), raw);
}

TEST_F(OutputDepthTest, UnknownDepthOrNoBitmapGivesNone) {
    Job.targetDepth = 12;
    EXPECT_FALSE(ConvertToOutputDepth(Bitmap(FreeImage_Allocate(5, 4, 24))));
    Job.targetDepth = 24;
    EXPECT_FALSE(ConvertToOutputDepth(nullptr));
}

}  // namespace
