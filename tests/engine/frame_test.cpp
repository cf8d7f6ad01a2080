// The solid frame step: band colours on either side of the corner diagonals, the opacity, the
// 24-bit rule, unchanged sizes, widths larger than the picture, and the strip-only blending
// giving the same picture as a full overlay.
#include <gtest/gtest.h>

#include <vector>

#include "drawing_fixtures.h"
#include "engine/steps.h"
#include "engine/watermark_text.h"

using namespace drawing_fixtures;
using step_bitmaps::Colour;
using step_bitmaps::MakeBitmap;
using step_bitmaps::PixelRgba;

namespace {

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartDrawingForTests();
        ResetDrawingSettings();
    }
    static void SetFrame(int left, int right, int top, int bottom) {
        auto& f = Settings.frame;
        f.doFrame = 1;
        f.solidLeft = left;
        f.solidRight = right;
        f.solidTop = top;
        f.solidBottom = bottom;
        f.solidTopColor = "FF0000";
        f.solidLeftColor = "0000FF";
        f.solidRightColor = "00FF00";
        f.solidBottomColor = "FFFF00";
        f.solidOpacity = 255;
    }
};

struct CornerCase {
    int left, top;
    int x, y;
    const char* expected;  // "top", "left" or "inside"
};

TEST_F(FrameTest, TopLeftCornerSplitsAlongTheDiagonal) {
    const CornerCase cases[] = {
        {10, 10, 7, 2, "top"},     {10, 10, 2, 7, "left"},    {10, 10, 9, 0, "top"},
        {10, 10, 0, 9, "left"},    {10, 10, 30, 5, "top"},    {10, 10, 5, 30, "left"},
        {10, 10, 20, 20, "inside"},
        // Unequal widths: the diagonal runs from (0, 0) to (20, 10).
        {20, 10, 15, 3, "top"},    {20, 10, 6, 8, "left"},    {20, 10, 18, 5, "top"},
        {20, 10, 3, 9, "left"},    {20, 10, 25, 12, "inside"},
    };
    for (const CornerCase& c : cases) {
        SetFrame(c.left, 0, c.top, 0);
        Bitmap out = DrawFrame(MakeBitmap(60, 50, 24, {128, 128, 128}), 60, 50);
        ASSERT_TRUE(out);
        const Colour pixel = PixelRgba(out.get(), c.x, c.y);
        const std::string where = std::string(c.expected);
        SCOPED_TRACE(testing::Message() << "L=" << c.left << " T=" << c.top << " at " << c.x << "," << c.y);
        const int r = where == "top" ? 255 : where == "left" ? 0 : 128;
        const int b = where == "top" ? 0 : where == "left" ? 255 : 128;
        EXPECT_TRUE(Near(pixel, r, where == "inside" ? 128 : 0, b, 2))
            << int(pixel.r) << " " << int(pixel.g) << " " << int(pixel.b);
    }
}

TEST_F(FrameTest, EveryBandHasItsColourAndTheInsideIsUntouched) {
    SetFrame(5, 6, 7, 8);
    Bitmap out = DrawFrame(MakeBitmap(40, 30, 24, {10, 20, 30}), 40, 30);
    ASSERT_TRUE(out);
    EXPECT_TRUE(Near(PixelRgba(out.get(), 20, 3), 255, 0, 0, 0));     // top
    EXPECT_TRUE(Near(PixelRgba(out.get(), 2, 15), 0, 0, 255, 0));     // left
    EXPECT_TRUE(Near(PixelRgba(out.get(), 37, 15), 0, 255, 0, 0));    // right
    EXPECT_TRUE(Near(PixelRgba(out.get(), 20, 26), 255, 255, 0, 0));  // bottom
    const Box inside = FindBox(out.get(), [](const Colour& c) { return Near(c, 10, 20, 30, 0); });
    EXPECT_EQ(inside, (Box{5, 7, 33, 21}));
}

TEST_F(FrameTest, OpacityBlendsTheBandsWithThePicture) {
    const struct {
        int opacity;
        int red;
    } cases[] = {{255, 255}, {128, 128}, {64, 64}, {1, 1}};
    for (const auto& c : cases) {
        SetFrame(0, 0, 10, 0);
        Settings.frame.solidOpacity = c.opacity;
        Bitmap out = DrawFrame(MakeBitmap(30, 30, 24, {0, 0, 0}), 30, 30);
        ASSERT_TRUE(out);
        EXPECT_NEAR(PixelRgba(out.get(), 15, 5).r, c.red, 2) << "opacity " << c.opacity;
        EXPECT_EQ(PixelRgba(out.get(), 15, 20).r, 0);
    }
}

TEST_F(FrameTest, SizeStaysAndEveryFramedPictureBecomes24Bits) {
    const struct {
        unsigned depth;
        int left, right, top, bottom;
    } cases[] = {
        {24, 0, 0, 0, 0},    {8, 0, 0, 0, 0},        {32, 3, 3, 3, 3},     {1, 4, 0, 4, 0},
        {24, 30, 30, 5, 5},  {24, 5, 5, 25, 25},     {24, 500, 0, 0, 500}, {24, 1000000, 1000000, 1000000, 1000000},
        {24, -5, 3, -7, 2},  {8, 41, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SetFrame(c.left, c.right, c.top, c.bottom);
        Bitmap out = DrawFrame(MakeBitmap(41, 23, c.depth, {90, 90, 90}), 41, 23);
        ASSERT_TRUE(out);
        EXPECT_EQ(BitmapWidth(out), 41u);
        EXPECT_EQ(BitmapHeight(out), 23u);
        EXPECT_EQ(BitmapDepth(out), 24u);
    }
}

TEST_F(FrameTest, NoFrameHandsTheBitmapBackUnchanged) {
    Bitmap in = MakeBitmap(10, 10, 8, {50, 50, 50});
    FIBITMAP* original = in.get();
    Bitmap out = DrawFrame(std::move(in), 10, 10);
    EXPECT_EQ(out.get(), original);
    EXPECT_EQ(BitmapDepth(out), 8u);
    EXPECT_FALSE(DrawFrame(nullptr, 0, 0));
}

TEST_F(FrameTest, BandsWiderThanThePictureCoverAllOfIt) {
    const struct {
        int left, right, top, bottom;
    } cases[] = {{100, 100, 100, 100}, {30, 30, 0, 0}, {0, 0, 20, 20}, {16, 16, 11, 11}};
    for (const auto& c : cases) {
        SetFrame(c.left, c.right, c.top, c.bottom);
        auto& f = Settings.frame;
        f.solidLeftColor = f.solidRightColor = f.solidTopColor = f.solidBottomColor = "102030";
        Bitmap out = DrawFrame(MakeBitmap(30, 20, 24, {200, 200, 200}), 30, 20);
        ASSERT_TRUE(out);
        const Box uncovered = FindBox(out.get(), [](const Colour& p) { return !Near(p, 16, 32, 48, 0); });
        EXPECT_EQ(uncovered, Box{}) << c.left << "/" << c.right << "/" << c.top << "/" << c.bottom;
    }
}

// Blending the strips alone must give exactly the picture a full-size overlay gives.
TEST_F(FrameTest, StripBlendingMatchesAFullOverlay) {
    const struct {
        int left, right, top, bottom, opacity;
    } cases[] = {{7, 11, 5, 9, 255}, {7, 11, 5, 9, 100}, {0, 13, 0, 0, 200}, {40, 40, 3, 3, 180}};
    for (const auto& c : cases) {
        SetFrame(c.left, c.right, c.top, c.bottom);
        Settings.frame.solidOpacity = c.opacity;
        const int W = 64, H = 48;
        Bitmap picture = MakeBitmap(W, H, 24, {30, 140, 200});
        for (int x = 0; x < W; ++x) step_bitmaps::SetPixel(picture.get(), x, x % H, {250, 5, 90});
        Bitmap reference(FreeImage_Clone(picture.get()));

        LumadexFrameBands bands{W, H, c.left, c.right, c.top, c.bottom,
                                PackRgba(HexToRGBA("0000FF", 255)), PackRgba(HexToRGBA("00FF00", 255)),
                                PackRgba(HexToRGBA("FF0000", 255)), PackRgba(HexToRGBA("FFFF00", 255)),
                                c.opacity};
        LumadexCanvas canvas{};
        ASSERT_TRUE(DrawingModule()->drawFrameRegion(&bands, 0, 0, W, H, &canvas));
        Bitmap overlay = CanvasToBitmap(canvas);
        Bitmap full(FreeImage_Composite(overlay.get(), FALSE, nullptr, reference.get()));
        ASSERT_TRUE(full);

        Bitmap out = DrawFrame(std::move(picture), W, H);
        ASSERT_TRUE(out);
        int differing = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const Colour a = PixelRgba(out.get(), x, y), b = PixelRgba(full.get(), x, y);
                differing += a.r != b.r || a.g != b.g || a.b != b.b;
            }
        EXPECT_EQ(differing, 0) << "widths " << c.left << "/" << c.right << "/" << c.top << "/" << c.bottom;
    }
}

}  // namespace
