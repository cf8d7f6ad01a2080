// Tests of the geometric steps: rotation, resize (with its target sizes and filters) and flips.
#include <climits>

#include <gtest/gtest.h>

#include "engine/resize.h"
#include "engine/steps.h"
#include "settings/settings.h"
#include "step_bitmaps.h"
#include "support/support.h"

using step_bitmaps::Colour;
using step_bitmaps::MakeBitmap;

namespace {

class TransformStep : public ::testing::Test {
protected:
    void SetUp() override { Settings = ConversionSettings{}; }
    void TearDown() override { Settings = ConversionSettings{}; }
};

struct RotationCase {
    const char* name;
    std::uint8_t enabled;
    std::uint8_t type;
    int angle;
    unsigned depth;
    unsigned expectWidth, expectHeight, expectDepth;
    bool expectSameBitmap;
};

const RotationCase kRotationCases[] = {
    {"simple 90 swaps the sides", 1, 0, 90, 24, 100, 200, 24, false},
    {"advanced 90 keeps the size", 1, 1, 90, 24, 200, 100, 24, false},
    {"360 does nothing", 1, 0, 360, 8, 200, 100, 8, true},
    {"-90 does nothing", 1, 0, -90, 4, 200, 100, 4, true},
    {"0 does nothing", 1, 0, 0, 8, 200, 100, 8, true},
    {"switch off does nothing", 0, 0, 90, 8, 200, 100, 8, true},
    {"45 of 4 bits gives 24 bits", 1, 0, 45, 4, 0, 0, 24, false},
    {"45 of 8 bits gives 24 bits", 1, 0, 45, 8, 0, 0, 24, false},
    {"45 of 16 bits gives 24 bits", 1, 0, 45, 16, 0, 0, 24, false},
    {"45 of 32 bits stays 32", 1, 0, 45, 32, 0, 0, 32, false},
    {"advanced 45 of 1 bit keeps the size at 24 bits", 1, 1, 45, 1, 200, 100, 24, false},
    {"unknown type only converts", 1, 7, 90, 8, 200, 100, 24, false},
    {"unknown type leaves 24 bits alone", 1, 7, 90, 24, 200, 100, 24, true},
};

TEST_F(TransformStep, RotationSizesAndDepths) {
    for (const RotationCase& c : kRotationCases) {
        SCOPED_TRACE(c.name);
        Settings.transform.doImageRotation = c.enabled;
        Settings.transform.imageRotationType = c.type;
        Settings.transform.imageRotation = c.angle;
        Settings.transform.imageRotationBackColor = "000000";
        Bitmap input = MakeBitmap(200, 100, c.depth);
        ASSERT_TRUE(input);
        FIBITMAP* original = input.get();
        Bitmap result = RotateImage(std::move(input));
        ASSERT_TRUE(result);
        // A replaced bitmap's address may be reused by its successor, so only the
        // hand-back-unchanged cases can be told apart by address.
        if (c.expectSameBitmap) {
            EXPECT_EQ(result.get(), original);
        }
        EXPECT_EQ(BitmapDepth(result), c.expectDepth);
        if (c.expectWidth != 0) {
            EXPECT_EQ(BitmapWidth(result), c.expectWidth);
            EXPECT_EQ(BitmapHeight(result), c.expectHeight);
        } else {
            // Turned by 45 degrees, the grown canvas holds the whole picture.
            EXPECT_GT(BitmapWidth(result), 200u);
            EXPECT_GT(BitmapHeight(result), 200u);
        }
    }
}

TEST_F(TransformStep, SimpleRotationFillsNewCornersWithBackColour) {
    if (HexToColor("FF8000") != Rgb{0xFF, 0x80, 0x00})
        GTEST_SKIP() << "colour texts are not parsed yet";
    Settings.transform.doImageRotation = 1;
    Settings.transform.imageRotationType = 0;
    Settings.transform.imageRotation = 45;
    Settings.transform.imageRotationBackColor = "FF8000";
    for (unsigned depth : {24u, 32u}) {
        SCOPED_TRACE(depth);
        Bitmap result = RotateImage(MakeBitmap(40, 40, depth, Colour{0, 0, 255, 255}));
        ASSERT_TRUE(result);
        FIBITMAP* b = result.get();
        const unsigned w = FreeImage_GetWidth(b), h = FreeImage_GetHeight(b);
        const unsigned corners[4][2] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
        for (const auto& corner : corners) {
            const Colour px = step_bitmaps::PixelRgba(b, corner[0], corner[1]);
            EXPECT_EQ(px.r, 0xFF);
            EXPECT_EQ(px.g, 0x80);
            EXPECT_EQ(px.b, 0x00);
            if (depth == 32) {
                EXPECT_EQ(px.a, 0) << "the back colour is fully transparent";
            }
        }
        const testing_support::Pixel centre = testing_support::PixelAt(b, w / 2, h / 2);
        EXPECT_EQ(centre.b, 255);
        EXPECT_EQ(centre.r, 0);
    }
}

TEST_F(TransformStep, AdvancedRotationTurnsThePictureInPlace) {
    // Left half red, right half blue: after a quarter turn about the centre the middle column
    // shows both colours, one above the other.
    Bitmap input = MakeBitmap(200, 100, 24, Colour{0, 0, 255});
    for (unsigned y = 0; y < 100; ++y)
        for (unsigned x = 0; x < 100; ++x) step_bitmaps::SetPixel(input.get(), x, y, Colour{255, 0, 0});
    Settings.transform.doImageRotation = 1;
    Settings.transform.imageRotationType = 1;
    Settings.transform.imageRotation = 90;
    Bitmap result = RotateImage(std::move(input));
    ASSERT_TRUE(result);
    ASSERT_EQ(BitmapWidth(result), 200u);
    const testing_support::Pixel top = testing_support::PixelAt(result.get(), 100, 10);
    const testing_support::Pixel bottom = testing_support::PixelAt(result.get(), 100, 90);
    EXPECT_NE(top.r, bottom.r);
    EXPECT_NE(top.b, bottom.b);
}

TEST_F(TransformStep, EveryStepHandsOnNoBitmap) {
    Settings.transform.doImageRotation = 1;
    Settings.transform.imageRotation = 90;
    Settings.transform.doImageResize = 1;
    Settings.transform.imageWidth = 10;
    Settings.transform.imageHeight = 10;
    Settings.transform.doImageFlipHorizontal = 1;
    Settings.transform.doImageFlipVertical = 1;
    Settings.adjustment.doImageColorCorrection = 1;
    Settings.adjustment.imageGamma = 1.0f;
    Settings.adjustment.doImageGreyscale = 1;
    Settings.adjustment.doImageThreshold = 1;
    EXPECT_FALSE(RotateImage(nullptr));
    EXPECT_FALSE(ResizeImage(nullptr, 100, 100));
    FlipImage(nullptr);
    EXPECT_FALSE(AdjustColors(nullptr));
    EXPECT_FALSE(MakeGreyscale(nullptr));
    EXPECT_FALSE(ApplyThreshold(nullptr));
}

TEST(TargetSize, UnitsAndRounding) {
    struct Case {
        int value, unit, current, expected;
    } cases[] = {
        {640, 0, 100, 640},          // pixels: the value itself
        {0, 0, 100, 0},
        {50, 1, 101, 50},            // 50.5: tie to the even neighbour
        {50, 1, 103, 52},            // 51.5: tie to the even neighbour
        {150, 1, 3, 4},              // 4.5 -> 4
        {50, 1, 200, 100},
        {33, 1, 100, 33},
        {0, 1, 500, 0},
        {-50, 1, 100, -50},
        {50, 2, 100, 0},             // unknown unit
        {INT_MAX, 1, INT_MAX, INT_MAX},  // far too large: held at the largest size
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TargetSize(c.value, c.unit, c.current), c.expected)
            << c.value << " unit " << c.unit << " of " << c.current;
    }
}

TEST(ResizeFilterTable, SettingCodesToFilters) {
    const struct {
        std::uint8_t code;
        FREE_IMAGE_FILTER filter;
    } cases[] = {
        {0, FILTER_BOX},        {1, FILTER_BILINEAR},   {2, FILTER_BSPLINE},
        {3, FILTER_BICUBIC},    {4, FILTER_CATMULLROM}, {5, FILTER_LANCZOS3},
        {6, FILTER_BICUBIC},    {255, FILTER_BICUBIC},
    };
    for (const auto& c : cases) {
        Settings.transform.imageResizeAlgorithm = c.code;
        EXPECT_EQ(ResizeFilter(), c.filter) << "code " << int(c.code);
    }
    Settings = ConversionSettings{};
}

struct ResizeCase {
    const char* name;
    std::uint8_t enabled, keepAspect, resizeType;
    int width, widthUnit, height, heightUnit;
    unsigned sourceWidth, sourceHeight;
    unsigned expectWidth, expectHeight;  // 0: unchanged, the same bitmap
};

const ResizeCase kResizeCases[] = {
    {"keep aspect landscape follows the width", 1, 1, 0, 800, 0, 5, 0, 1000, 667, 800, 534},
    {"keep aspect portrait follows the height", 1, 1, 0, 5, 0, 300, 0, 400, 600, 200, 300},
    {"keep aspect square follows the width", 1, 1, 0, 50, 0, 70, 0, 100, 100, 50, 50},
    {"keep aspect off takes both targets", 1, 0, 0, 300, 0, 123, 0, 1000, 667, 300, 123},
    {"percent of both sides", 1, 0, 0, 50, 1, 25, 1, 200, 100, 100, 25},
    {"large only: smaller both ways stays", 1, 0, 1, 800, 0, 600, 0, 640, 480, 0, 0},
    {"large only: wider is resized", 1, 0, 1, 800, 0, 600, 0, 1024, 480, 800, 600},
    {"large only: exactly the target width is resized", 1, 0, 1, 800, 0, 600, 0, 800, 480, 800, 600},
    {"all images: smaller is enlarged", 1, 0, 0, 800, 0, 600, 0, 640, 480, 800, 600},
    {"percent 0 leaves it", 1, 0, 0, 0, 1, 50, 1, 200, 100, 0, 0},
    {"pixel 0 leaves it", 1, 0, 0, 100, 0, 0, 0, 200, 100, 0, 0},
    {"negative target leaves it", 1, 0, 0, -100, 0, 50, 0, 200, 100, 0, 0},
    {"unknown unit leaves it", 1, 0, 0, 100, 5, 50, 0, 200, 100, 0, 0},
    {"targets equal to the size leave it", 1, 0, 0, 200, 0, 100, 0, 200, 100, 0, 0},
    {"switch off leaves it", 0, 0, 0, 100, 0, 50, 0, 200, 100, 0, 0},
    {"a very thin picture keeps one pixel", 1, 1, 0, 100, 0, 100, 0, 1000, 1, 100, 1},
};

TEST_F(TransformStep, ResizeSizes) {
    for (const ResizeCase& c : kResizeCases) {
        SCOPED_TRACE(c.name);
        Settings.transform.doImageResize = c.enabled;
        Settings.transform.keepAspectRatio = c.keepAspect;
        Settings.transform.imageResizeType = c.resizeType;
        Settings.transform.imageWidth = c.width;
        Settings.transform.imageWidthUnit = static_cast<std::uint8_t>(c.widthUnit);
        Settings.transform.imageHeight = c.height;
        Settings.transform.imageHeightUnit = static_cast<std::uint8_t>(c.heightUnit);
        Settings.transform.imageResizeAlgorithm = 3;
        Bitmap input = MakeBitmap(c.sourceWidth, c.sourceHeight, 24, Colour{10, 20, 30});
        ASSERT_TRUE(input);
        FIBITMAP* original = input.get();
        Bitmap result = ResizeImage(std::move(input), static_cast<int>(c.sourceWidth),
                                    static_cast<int>(c.sourceHeight));
        ASSERT_TRUE(result);
        if (c.expectWidth == 0) {
            EXPECT_EQ(result.get(), original);
        } else {
            EXPECT_NE(result.get(), original);
            EXPECT_EQ(BitmapWidth(result), c.expectWidth);
            EXPECT_EQ(BitmapHeight(result), c.expectHeight);
        }
    }
}

TEST_F(TransformStep, ResizeWorksOnPalettePictures) {
    Settings.transform.doImageResize = 1;
    Settings.transform.imageWidth = 30;
    Settings.transform.imageHeight = 20;
    Settings.transform.imageResizeAlgorithm = 0;
    for (unsigned depth : {1u, 4u, 8u}) {
        SCOPED_TRACE(depth);
        Bitmap result = ResizeImage(MakeBitmap(60, 40, depth, Colour{255, 255, 255}), 60, 40);
        ASSERT_TRUE(result);
        EXPECT_EQ(BitmapWidth(result), 30u);
        EXPECT_EQ(BitmapHeight(result), 20u);
        const testing_support::Pixel px = testing_support::PixelAt(result.get(), 10, 10);
        EXPECT_EQ(px.r, 255);
    }
}

TEST_F(TransformStep, FlipsMoveAMarkedPixel) {
    const struct {
        std::uint8_t horizontal, vertical;
        int x, y;  // where the mark, put at the top left, ends up
    } cases[] = {{0, 0, 0, 0}, {1, 0, 3, 0}, {0, 1, 0, 2}, {1, 1, 3, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "h " << int(c.horizontal) << " v " << int(c.vertical));
        Settings.transform.doImageFlipHorizontal = c.horizontal;
        Settings.transform.doImageFlipVertical = c.vertical;
        Bitmap bitmap = MakeBitmap(4, 3, 24);
        step_bitmaps::SetPixel(bitmap.get(), 0, 0, Colour{255, 0, 0});
        FlipImage(bitmap.get());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) {
                const bool marked = testing_support::PixelAt(bitmap.get(), x, y).r == 255;
                EXPECT_EQ(marked, x == c.x && y == c.y) << "at " << x << "," << y;
            }
    }
}

}  // namespace
