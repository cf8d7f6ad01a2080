// Tests of the colour steps: colour correction, greyscale and threshold.
#include <gtest/gtest.h>

#include "engine/steps.h"
#include "settings/settings.h"
#include "step_bitmaps.h"
#include "support/support.h"

using step_bitmaps::Colour;
using step_bitmaps::MakeBitmap;
using testing_support::PixelAt;

namespace {

class ColourStep : public ::testing::Test {
protected:
    void SetUp() override {
        Settings = ConversionSettings{};
        Settings.adjustment.imageGamma = 1.0f;
    }
    void TearDown() override { Settings = ConversionSettings{}; }
};

// Two pixels, black on the left and white on the right, in any depth.
Bitmap BlackAndWhite(unsigned depth) {
    Bitmap bitmap = MakeBitmap(2, 1, depth, Colour{0, 0, 0});
    if (depth <= 8) {
        BYTE white = static_cast<BYTE>((1u << depth) - 1);
        FreeImage_SetPixelIndex(bitmap.get(), 1, 0, &white);
    } else {
        step_bitmaps::SetPixel(bitmap.get(), 1, 0, Colour{255, 255, 255});
    }
    return bitmap;
}

TEST_F(ColourStep, InvertSwapsBlackAndWhiteAtEveryDepth) {
    Settings.adjustment.doImageColorCorrection = 1;
    Settings.adjustment.imageInvert = 1;
    const struct {
        unsigned depth, expectDepth;
    } cases[] = {{1, 24}, {4, 24}, {8, 8}, {16, 24}, {24, 24}, {32, 32}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.depth);
        Bitmap result = AdjustColors(BlackAndWhite(c.depth));
        ASSERT_TRUE(result);
        EXPECT_EQ(BitmapDepth(result), c.expectDepth);
        const testing_support::Pixel left = PixelAt(result.get(), 0, 0);
        const testing_support::Pixel right = PixelAt(result.get(), 1, 0);
        EXPECT_EQ(left.r, 255);
        EXPECT_EQ(left.g, 255);
        EXPECT_EQ(left.b, 255);
        EXPECT_EQ(right.r, 0);
        EXPECT_EQ(right.g, 0);
        EXPECT_EQ(right.b, 0);
    }
}

TEST_F(ColourStep, NeutralCorrectionStillRunsAndWidensLowDepths) {
    Settings.adjustment.doImageColorCorrection = 1;
    Bitmap result = AdjustColors(BlackAndWhite(4));
    ASSERT_TRUE(result);
    EXPECT_EQ(BitmapDepth(result), 24u);
    EXPECT_EQ(PixelAt(result.get(), 0, 0).r, 0);
    EXPECT_EQ(PixelAt(result.get(), 1, 0).r, 255);
}

TEST_F(ColourStep, CorrectionOffHandsTheSameBitmapBack) {
    Settings.adjustment.imageInvert = 1;
    Bitmap input = BlackAndWhite(4);
    FIBITMAP* original = input.get();
    Bitmap result = AdjustColors(std::move(input));
    EXPECT_EQ(result.get(), original);
    EXPECT_EQ(PixelAt(result.get(), 0, 0).r, 0);
}

TEST_F(ColourStep, BrightnessContrastAndGammaMoveMidGrey) {
    const struct {
        const char* name;
        int brightness, contrast;
        float gamma;
        bool lighter;
    } cases[] = {
        {"brightness up", 50, 0, 1.0f, true},
        {"brightness down", -50, 0, 1.0f, false},
        {"gamma above 1 lightens", 0, 0, 2.0f, true},
        {"gamma below 1 darkens", 0, 0, 0.5f, false},
        {"contrast up pushes a dark grey down", 0, 60, 1.0f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Settings.adjustment.doImageColorCorrection = 1;
        Settings.adjustment.imageBrightness = c.brightness;
        Settings.adjustment.imageContrast = c.contrast;
        Settings.adjustment.imageGamma = c.gamma;
        Bitmap result = AdjustColors(MakeBitmap(2, 2, 24, Colour{100, 100, 100}));
        ASSERT_TRUE(result);
        const int grey = PixelAt(result.get(), 1, 1).g;
        if (c.lighter) {
            EXPECT_GT(grey, 100);
        } else {
            EXPECT_LT(grey, 100);
        }
    }
}

TEST_F(ColourStep, GreyscaleGivesEightBits) {
    Settings.adjustment.doImageGreyscale = 1;
    for (unsigned depth : {1u, 4u, 8u, 24u, 32u}) {
        SCOPED_TRACE(depth);
        Bitmap input = MakeBitmap(3, 2, depth, Colour{200, 200, 200});
        if (depth > 8) step_bitmaps::SetPixel(input.get(), 0, 0, Colour{255, 0, 0});
        Bitmap result = MakeGreyscale(std::move(input));
        ASSERT_TRUE(result);
        EXPECT_EQ(BitmapDepth(result), 8u);
        for (int x = 0; x < 3; ++x) {
            const testing_support::Pixel px = PixelAt(result.get(), x, 0);
            EXPECT_EQ(px.r, px.g);
            EXPECT_EQ(px.g, px.b);
        }
    }
}

TEST_F(ColourStep, GreyscaleOffHandsTheSameBitmapBack) {
    Bitmap input = MakeBitmap(3, 2, 24, Colour{255, 0, 0});
    FIBITMAP* original = input.get();
    Bitmap result = MakeGreyscale(std::move(input));
    EXPECT_EQ(result.get(), original);
    EXPECT_EQ(BitmapDepth(result), 24u);
}

TEST_F(ColourStep, ThresholdLevels) {
    // One row of greys; white marks the pixels expected white after the threshold.
    const BYTE greys[] = {0, 1, 127, 128, 254, 255};
    const struct {
        std::int32_t level;
        bool white[6];
    } cases[] = {
        {0, {true, true, true, true, true, true}},
        {255, {false, false, false, false, false, true}},
        {128, {false, false, false, true, true, true}},
        {256, {true, true, true, true, true, true}},        // only the low 8 bits count
        {256 + 128, {false, false, false, true, true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        Settings.adjustment.doImageThreshold = 1;
        Settings.adjustment.imageThreshold = c.level;
        Bitmap input = MakeBitmap(6, 1, 24);
        for (unsigned x = 0; x < 6; ++x)
            step_bitmaps::SetPixel(input.get(), x, 0, Colour{greys[x], greys[x], greys[x]});
        Bitmap result = ApplyThreshold(std::move(input));
        ASSERT_TRUE(result);
        EXPECT_EQ(BitmapDepth(result), 1u);
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(PixelAt(result.get(), x, 0).r == 255, c.white[x]) << "grey " << int(greys[x]);
    }
}

TEST_F(ColourStep, GreyscaleThenThresholdGivesOneBit) {
    Settings.adjustment.doImageGreyscale = 1;
    Settings.adjustment.doImageThreshold = 1;
    Settings.adjustment.imageThreshold = 100;
    Bitmap bitmap = MakeGreyscale(MakeBitmap(4, 4, 24, Colour{200, 200, 200}));
    ASSERT_EQ(BitmapDepth(bitmap), 8u);
    bitmap = ApplyThreshold(std::move(bitmap));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(BitmapDepth(bitmap), 1u);
    EXPECT_EQ(PixelAt(bitmap.get(), 2, 2).r, 255);
}

TEST_F(ColourStep, ThresholdOffHandsTheSameBitmapBack) {
    Settings.adjustment.imageThreshold = 128;
    Bitmap input = MakeBitmap(3, 2, 24, Colour{10, 10, 10});
    FIBITMAP* original = input.get();
    Bitmap result = ApplyThreshold(std::move(input));
    EXPECT_EQ(result.get(), original);
    EXPECT_EQ(BitmapDepth(result), 24u);
}

}  // namespace
