// The watermark step and its arithmetic: anchor positions, line alignment, colours with alpha,
// line splitting and block sizes, token expansion, the font check, and text and picture stamps
// placed, cut, turned and skipped on real pictures.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "drawing_fixtures.h"
#include "engine/job.h"
#include "engine/steps.h"
#include "engine/watermark_layout.h"
#include "engine/watermark_text.h"

using namespace drawing_fixtures;
using step_bitmaps::Colour;
using step_bitmaps::MakeBitmap;
using step_bitmaps::PixelRgba;

namespace {

TEST(PlaceWatermarkTest, NinePositionsAndOthers) {
    // Area 200 x 100, stamp 40 x 20, offsets 10 and 5.
    const struct {
        int position;
        StampPlace expected;
    } cases[] = {
        {0, {10, 5}},   {1, {80, 5}},   {2, {150, 5}},  {3, {10, 40}},  {4, {80, 40}},
        {5, {150, 40}}, {6, {10, 75}},  {7, {80, 75}},  {8, {150, 75}}, {9, {0, 0}},
        {-1, {0, 0}},   {255, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceWatermark(200, 100, 40, 20, c.position, 10, 5), c.expected) << "position " << c.position;
    // Centring truncates toward zero, also when the stamp is larger than the area.
    EXPECT_EQ(PlaceWatermark(201, 101, 40, 20, 4, 0, 0), (StampPlace{80, 40}));
    EXPECT_EQ(PlaceWatermark(40, 20, 61, 31, 4, 0, 0), (StampPlace{-10, -5}));
}

TEST(AlignLineXTest, Alignments) {
    const struct {
        int lineWidth, canvasWidth, alignment, padding, expected;
    } cases[] = {
        {30, 100, 0, 5, 5},   {30, 100, 1, 5, 35},  {31, 100, 1, 5, 35},  // 34.5 rounds away from zero
        {29, 100, 1, 5, 36},  {30, 100, 2, 5, 65},  {30, 100, 3, 5, 0},
        {107, 100, 1, 0, -4},  // -3.5 rounds away from zero
        {30, 100, 2, 0, 70},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AlignLineX(c.lineWidth, c.canvasWidth, c.alignment, c.padding), c.expected)
            << c.lineWidth << " in " << c.canvasWidth << " alignment " << c.alignment;
}

TEST(HexToRGBATest, Colours) {
    const struct {
        const char* text;
        int alpha;
        Rgba expected;
    } cases[] = {
        {"FF8000", 200, {255, 128, 0, 200}}, {"ff8000", 1, {255, 128, 0, 1}}, {"0A0B0C", 255, {10, 11, 12, 255}},
        {"12345", 255, {0, 0, 0, 255}},      {"", 7, {0, 0, 0, 7}},          {"1234567", 255, {0, 0, 0, 255}},
        {"FFFFFF", 300, {255, 255, 255, 255}}, {"FFFFFF", -4, {255, 255, 255, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(HexToRGBA(c.text, c.alpha), c.expected) << c.text << " " << c.alpha;
    EXPECT_EQ(PackRgba({0x12, 0x34, 0x56, 0x78}), 0x78123456u);
}

TEST(WatermarkLinesTest, SplitsAtEolInAnyCase) {
    const struct {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"one%EOL%two%eol%three", {"one", "two", "three"}},
        {"single", {"single"}},
        {"%Eol%", {"", ""}},
        {"a%eo%b%eol", {"a%eo%b%eol"}},
        {"100% sure%eol%", {"100% sure", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitWatermarkLines(c.text), c.lines) << c.text;
}

TEST(MeasureTextBlockTest, LinesLeadingAndTheMinimumOfTen) {
    // Three lines 17 high with leading 4: three line heights plus 8.
    TextBlock block = MeasureTextBlock({{40, 17}, {55, 17}, {30, 17}}, 4);
    EXPECT_EQ(block.width, 55);
    EXPECT_EQ(block.pitch, 21);
    EXPECT_EQ(block.height, 3 * 17 + 8);
    // Several lines are never narrower or lower than 10; one line is exactly as measured.
    block = MeasureTextBlock({{3, 4}, {2, 5}}, 0);
    EXPECT_EQ(block.width, 10);
    EXPECT_EQ(block.height, 20);
    block = MeasureTextBlock({{3, 4}}, 6);
    EXPECT_EQ(block.width, 3);
    EXPECT_EQ(block.height, 4);
    // Negative leading pulls the lines together.
    block = MeasureTextBlock({{20, 15}, {20, 15}}, -5);
    EXPECT_EQ(block.height, 25);
}

TEST(ExpandWatermarkTextTest, TokensOnlyWithTwoPercentSigns) {
    ResetSettings(true);
    Job.inputPath = "/pictures/Holiday.Photo.pcx";
    Job.outputExtension = "jpg";
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"100%", "100%"},
        {"Shot %filename% at 100%", "Shot Holiday.Photo at 100%"},
        {"%FILENAME[U]% / %Ext[T]%", "HOLIDAY.PHOTO / Jpg"},
        {"Keep Case %unknown", "Keep Case %unknown"},
        {"50% of %n%", "50% of 00001"},
    };
    Job.counter = 1;
    for (const auto& c : cases) {
        Settings.watermark.text = c.text;
        EXPECT_EQ(ExpandWatermarkText(), c.expected) << c.text;
    }
}

class WatermarkTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartDrawingForTests();
        ResetDrawingSettings();
        Job.inputPath = "/pictures/card.pcx";
        Job.outputExtension = "jpg";
    }
    void TearDown() override { FreeWatermarkFont(); }

    // A text watermark with an opaque red box and white text.
    static void UseTextWithOpaqueBox(const std::string& text, int padding = 5) {
        auto& wm = Settings.watermark;
        wm.doWatermark = 1;
        wm.text = text;
        wm.font = "Arial";
        wm.fontSize = 14;
        wm.fontColor = "FFFFFF";
        wm.backColor = "FF0000";
        wm.backOpacity = 255;
        wm.textOpacity = 255;
        wm.textPadding = padding;
        ASSERT_TRUE(LoadWatermarkFont());
    }
    // A test picture written as PNG: w x h pixels of one colour with alpha.
    static std::string WritePng(const testing_support::TempDir& dir, int w, int h, Colour colour) {
        Bitmap picture = MakeBitmap(w, h, 32, colour);
        const std::string path = dir / "stamp.png";
        EXPECT_TRUE(FreeImage_Save(FIF_PNG, picture.get(), path.c_str(), 0));
        return path;
    }
    static void UsePicture(const std::string& path, int position, int ox = 10, int oy = 10) {
        auto& wm = Settings.watermark;
        wm.doWatermark = 2;
        wm.image = path;
        wm.imagePosition = static_cast<std::uint8_t>(position);
        wm.imageXOffset = ox;
        wm.imageYOffset = oy;
        wm.imageOpacity = 255;
    }
    static Box RedBox(FIBITMAP* bitmap) {
        return FindBox(bitmap, [](const Colour& c) { return Near(c, 255, 0, 0, 0); });
    }
    static Box GreenBox(FIBITMAP* bitmap) {
        return FindBox(bitmap, [](const Colour& c) { return Near(c, 0, 255, 0, 0); });
    }
};

TEST_F(WatermarkTest, FontFamiliesAreCheckedByWhatIsInstalled) {
    const struct {
        const char* family;
        int size;
        bool loads;
    } cases[] = {
        {"Arial", 14, true},       {"Liberation Sans", 10, true}, {"arial", 14, true},
        {"NoSuchFont", 14, false}, {"", 14, false},               {"Arial", 0, false},
    };
    for (const auto& c : cases) {
        Settings.watermark.doWatermark = 1;
        Settings.watermark.font = c.family;
        Settings.watermark.fontSize = c.size;
        EXPECT_EQ(LoadWatermarkFont(), c.loads) << "'" << c.family << "' " << c.size;
    }
}

TEST_F(WatermarkTest, NoFontMakesNoStampButTheStepStillGives24Bits) {
    Settings.watermark.doWatermark = 1;
    Settings.watermark.text = "text";
    Bitmap out = DrawWatermark(MakeBitmap(50, 40, 8, {60, 60, 60}), 50, 40);
    ASSERT_TRUE(out);
    EXPECT_EQ(BitmapDepth(out), 24u);
    EXPECT_EQ(RedBox(out.get()), Box{});
}

TEST_F(WatermarkTest, TextBoxLandsTenPixelsFromTheBottomRight) {
    UseTextWithOpaqueBox("Sample 123");
    Bitmap out = DrawWatermark(MakeBitmap(300, 120, 24, {40, 40, 40}), 300, 120);
    ASSERT_TRUE(out);
    const Box box = RedBox(out.get());
    EXPECT_EQ(box.right, 289);
    EXPECT_EQ(box.bottom, 109);
    EXPECT_GT(box.right - box.left, 40);
    // White text sits inside the box, at least the padding away from its edges.
    const Box ink = FindBox(out.get(), [](const Colour& c) { return Near(c, 255, 255, 255, 0); });
    ASSERT_NE(ink, Box{});
    EXPECT_GE(ink.left, box.left + 5);
    EXPECT_LE(ink.right, box.right - 5);
    EXPECT_GE(ink.top, box.top + 5);
}

TEST_F(WatermarkTest, BoundaryKeepsTheStampInsideTheFrame) {
    const struct {
        int boundary;
        int right, bottom;
    } cases[] = {{1, 269, 89}, {0, 289, 109}};
    for (const auto& c : cases) {
        UseTextWithOpaqueBox("Framed");
        auto& f = Settings.frame;
        f.doFrame = 1;
        f.solidLeft = f.solidRight = f.solidTop = f.solidBottom = 20;
        f.solidLeftColor = f.solidRightColor = f.solidTopColor = f.solidBottomColor = "0000FF";
        f.solidOpacity = 255;
        Settings.watermark.textBoundary = static_cast<std::uint8_t>(c.boundary);
        Bitmap out = DrawWatermark(DrawFrame(MakeBitmap(300, 120, 24, {40, 40, 40}), 300, 120), 300, 120);
        ASSERT_TRUE(out);
        const Box box = RedBox(out.get());
        EXPECT_EQ(box.right, c.right) << "boundary " << c.boundary;
        EXPECT_EQ(box.bottom, c.bottom) << "boundary " << c.boundary;
    }
}

TEST_F(WatermarkTest, LinesAndLeadingGiveTheBlockHeight) {
    UseTextWithOpaqueBox("one", 0);
    Settings.watermark.textPosition = 0;
    Bitmap single = DrawWatermark(MakeBitmap(300, 200, 24, {40, 40, 40}), 300, 200);
    const Box one = RedBox(single.get());
    const int lineHeight = one.bottom - one.top + 1;
    ASSERT_GE(lineHeight, 10);

    Settings.watermark.text = "one%EOL%two%eol%three";
    Settings.watermark.fontLeading = 4;
    Bitmap triple = DrawWatermark(MakeBitmap(300, 200, 24, {40, 40, 40}), 300, 200);
    const Box three = RedBox(triple.get());
    EXPECT_EQ(three.top, 10);
    EXPECT_EQ(three.bottom - three.top + 1, 3 * lineHeight + 8);
}

TEST_F(WatermarkTest, RightAlignedLinesEndAtThePadding) {
    UseTextWithOpaqueBox("a much longer first line%eol%short", 6);
    auto& wm = Settings.watermark;
    wm.textPosition = 0;
    wm.fontColor = "00FF00";
    const struct {
        int alignment;
        bool shortLineAtRight;
    } cases[] = {{2, true}, {0, false}};
    for (const auto& c : cases) {
        wm.textAlignment = static_cast<std::uint8_t>(c.alignment);
        Bitmap out = DrawWatermark(MakeBitmap(400, 200, 24, {40, 40, 40}), 400, 200);
        const Box box = RedBox(out.get());
        // The second line's ink: green pixels in the lower half of the box.
        const int middle = (box.top + box.bottom) / 2;
        int leftmost = 1 << 30, rightmost = -1;
        for (int y = middle + 1; y <= box.bottom; ++y)
            for (int x = box.left; x <= box.right; ++x)
                if (Near(PixelRgba(out.get(), x, y), 0, 255, 0, 0)) {
                    leftmost = std::min(leftmost, x);
                    rightmost = std::max(rightmost, x);
                }
        ASSERT_GE(rightmost, 0);
        if (c.shortLineAtRight) {
            EXPECT_GT(leftmost - box.left, 40);
            EXPECT_GE(box.right - rightmost, 6);
            EXPECT_LE(box.right - rightmost, 10);
        } else {
            EXPECT_GE(leftmost - box.left, 6);
            EXPECT_LE(leftmost - box.left, 9);
        }
    }
}

TEST_F(WatermarkTest, OpacitiesOfTextAndBox) {
    const struct {
        int antialiasing, backOpacity;
        int red;  // the box's red over a black picture
    } cases[] = {{0, 255, 255}, {0, 128, 128}, {1, 255, 255}, {1, 128, 128}, {0, 1, 1}};
    for (const auto& c : cases) {
        UseTextWithOpaqueBox("Box", 8);
        Settings.watermark.textAntialiasing = static_cast<std::uint8_t>(c.antialiasing);
        Settings.watermark.backOpacity = c.backOpacity;
        Bitmap out = DrawWatermark(MakeBitmap(200, 100, 24, {0, 0, 0}), 200, 100);
        ASSERT_TRUE(out);
        // Two pixels in from the box's bottom-right corner: inside the padding, box only.
        const Colour corner = PixelRgba(out.get(), 200 - 10 - 2, 100 - 10 - 2);
        EXPECT_NEAR(corner.r, c.red, 2) << "antialiasing " << c.antialiasing << " opacity " << c.backOpacity;
        EXPECT_EQ(corner.g, 0);
        EXPECT_EQ(PixelRgba(out.get(), 200 - 9, 100 - 9).r, 0);  // outside the box
    }
}

TEST_F(WatermarkTest, PicturePositions) {
    testing_support::TempDir dir;
    const std::string png = WritePng(dir, 8, 6, {0, 255, 0, 255});
    const struct {
        int position;
        Box expected;
    } cases[] = {
        {0, {10, 10, 17, 15}},   {2, {82, 10, 89, 15}}, {4, {46, 27, 53, 32}},
        {6, {10, 44, 17, 49}},   {8, {82, 44, 89, 49}}, {42, {0, 0, 7, 5}},
    };
    for (const auto& c : cases) {
        UsePicture(png, c.position);
        Bitmap out = DrawWatermark(MakeBitmap(100, 60, 24, {40, 40, 40}), 100, 60);
        ASSERT_TRUE(out);
        EXPECT_EQ(GreenBox(out.get()), c.expected) << "position " << c.position;
    }
}

TEST_F(WatermarkTest, PngAndJpegPicturesAreRead) {
    testing_support::TempDir dir;
    const struct {
        FREE_IMAGE_FORMAT format;
        const char* name;
        unsigned depth;
    } cases[] = {{FIF_PNG, "mark.png", 32}, {FIF_PNG, "mark8.png", 24}, {FIF_JPEG, "mark.jpg", 24}};
    for (const auto& c : cases) {
        Bitmap picture = MakeBitmap(16, 12, c.depth, {0, 255, 0, 255});
        const std::string path = dir / c.name;
        ASSERT_TRUE(FreeImage_Save(c.format, picture.get(), path.c_str(), c.format == FIF_JPEG ? 100 : 0));
        UsePicture(path, 0);
        Bitmap out = DrawWatermark(MakeBitmap(60, 40, 24, {40, 40, 40}), 60, 40);
        const Box box = FindBox(out.get(), [](const Colour& p) { return Near(p, 0, 255, 0, 12); });
        EXPECT_EQ(box, (Box{10, 10, 25, 21})) << c.name;
    }
}

TEST_F(WatermarkTest, PictureGreyAndOpacity) {
    testing_support::TempDir dir;
    const std::string png = WritePng(dir, 8, 6, {255, 0, 0, 255});
    const struct {
        int greyscale, opacity;
        Colour expected;  // over black
    } cases[] = {{1, 255, {76, 76, 76}}, {0, 128, {128, 0, 0}}, {1, 128, {38, 38, 38}}, {0, 255, {255, 0, 0}}};
    for (const auto& c : cases) {
        UsePicture(png, 0, 0, 0);
        Settings.watermark.imageGreyscale = static_cast<std::uint8_t>(c.greyscale);
        Settings.watermark.imageOpacity = c.opacity;
        Bitmap out = DrawWatermark(MakeBitmap(20, 20, 24, {0, 0, 0}), 20, 20);
        ASSERT_TRUE(out);
        const Colour pixel = PixelRgba(out.get(), 3, 3);
        EXPECT_TRUE(Near(pixel, c.expected.r, c.expected.g, c.expected.b, 2))
            << "grey " << c.greyscale << " opacity " << c.opacity << ": " << int(pixel.r) << "," << int(pixel.g);
    }
}

TEST_F(WatermarkTest, PictureAlphaIsKept) {
    testing_support::TempDir dir;
    const std::string png = WritePng(dir, 8, 6, {0, 255, 0, 0});  // fully transparent
    UsePicture(png, 0, 0, 0);
    Bitmap out = DrawWatermark(MakeBitmap(20, 20, 24, {40, 40, 40}), 20, 20);
    EXPECT_TRUE(Near(PixelRgba(out.get(), 3, 3), 40, 40, 40, 0));
}

TEST_F(WatermarkTest, WideStampIsCutKeepingItsLeftPart) {
    testing_support::TempDir dir;
    const std::string png = WritePng(dir, 300, 6, {0, 255, 0, 255});
    UsePicture(png, 0);
    Bitmap out = DrawWatermark(MakeBitmap(100, 60, 24, {40, 40, 40}), 100, 60);
    EXPECT_EQ(GreenBox(out.get()), (Box{10, 10, 99, 15}));
    // Bottom-right: the cut stamp (90 wide) is placed from the right edge minus the offset.
    UsePicture(png, 8);
    out = DrawWatermark(MakeBitmap(100, 60, 24, {40, 40, 40}), 100, 60);
    EXPECT_EQ(GreenBox(out.get()), (Box{0, 44, 89, 49}));
}

TEST_F(WatermarkTest, RotationTurnsTheStamp) {
    testing_support::TempDir dir;
    const std::string png = WritePng(dir, 20, 8, {0, 255, 0, 255});
    const struct {
        int angle;
        int width, height;
    } cases[] = {{0, 20, 8}, {90, 8, 20}, {180, 20, 8}, {360, 20, 8}};
    for (const auto& c : cases) {
        UsePicture(png, 0);
        Settings.watermark.imageRotation = c.angle;
        Bitmap out = DrawWatermark(MakeBitmap(100, 60, 24, {40, 40, 40}), 100, 60);
        const Box box = GreenBox(out.get());
        EXPECT_EQ(box.right - box.left + 1, c.width) << c.angle;
        EXPECT_EQ(box.bottom - box.top + 1, c.height) << c.angle;
    }
}

// A text block turned by 90 degrees stands upright and is still placed by its turned size.
TEST_F(WatermarkTest, RotationTurnsTheTextBlock) {
    UseTextWithOpaqueBox("Sample 123");
    Bitmap flat = DrawWatermark(MakeBitmap(300, 200, 24, {40, 40, 40}), 300, 200);
    const Box lying = RedBox(flat.get());
    ASSERT_GT(lying.right - lying.left, lying.bottom - lying.top);

    Settings.watermark.textRotation = 90;
    Bitmap turned = DrawWatermark(MakeBitmap(300, 200, 24, {40, 40, 40}), 300, 200);
    const Box standing = RedBox(turned.get());
    EXPECT_EQ(standing.right - standing.left, lying.bottom - lying.top);
    EXPECT_EQ(standing.bottom - standing.top, lying.right - lying.left);
    EXPECT_EQ(standing.right, 289);
    EXPECT_EQ(standing.bottom, 189);
}

// Offsets that leave no room, or push the stamp out of the picture, skip the stamp; the picture
// itself always comes back, in 24 bits.
TEST_F(WatermarkTest, NoRoomSkipsTheStampButKeepsThePicture) {
    testing_support::TempDir dir;
    const std::string png = WritePng(dir, 8, 6, {0, 255, 0, 255});
    const struct {
        int position, ox, oy;
    } cases[] = {{0, 100, 10}, {0, 10, 60}, {8, 150, 10}, {0, -3, 10}, {4, 200, 200}, {8, 10, 1000000}};
    for (const auto& c : cases) {
        UsePicture(png, c.position, c.ox, c.oy);
        Bitmap out = DrawWatermark(MakeBitmap(100, 60, 8, {40, 40, 40}), 100, 60);
        ASSERT_TRUE(out) << c.ox << "/" << c.oy;
        EXPECT_EQ(BitmapDepth(out), 24u);
        EXPECT_EQ(BitmapWidth(out), 100u);
        EXPECT_EQ(GreenBox(out.get()), Box{}) << c.ox << "/" << c.oy;
    }
}

// Extreme numbers from the command line never crash or wrap around; the picture always comes
// back at its size.
TEST_F(WatermarkTest, ExtremeValuesAreSafe) {
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    const struct {
        int padding, leading, ox, oy, frame;
    } cases[] = {
        {kMax, 0, 10, 10, 0}, {0, kMax, 10, 10, 0}, {0, kMin, 10, 10, 0}, {kMin, 0, 10, 10, 0},
        {0, 0, kMin, kMin, 0}, {0, 0, kMax, kMax, 0}, {0, 0, 10, 10, kMax}, {0, 0, 10, 10, kMin},
    };
    for (const auto& c : cases) {
        UseTextWithOpaqueBox("line%eol%line%eol%line", 0);
        auto& wm = Settings.watermark;
        wm.textPadding = c.padding;
        wm.fontLeading = c.leading;
        wm.textXOffset = c.ox;
        wm.textYOffset = c.oy;
        wm.textBoundary = 1;
        auto& f = Settings.frame;
        f.doFrame = c.frame != 0 ? 1 : 0;
        f.solidLeft = f.solidRight = f.solidTop = f.solidBottom = c.frame;
        Bitmap out = DrawWatermark(DrawFrame(MakeBitmap(120, 80, 24, {40, 40, 40}), 120, 80), 120, 80);
        ASSERT_TRUE(out);
        EXPECT_EQ(BitmapWidth(out), 120u);
        EXPECT_EQ(BitmapHeight(out), 80u);
    }
}

TEST_F(WatermarkTest, UnreadablePictureMakesNoStamp) {
    testing_support::TempDir dir;
    testing_support::WriteFile(dir / "broken.png", std::string("not a picture"));
    for (const std::string& path : {dir / "broken.png", dir / "missing.png"}) {
        UsePicture(path, 0);
        Bitmap out = DrawWatermark(MakeBitmap(30, 30, 24, {40, 40, 40}), 30, 30);
        ASSERT_TRUE(out);
        EXPECT_TRUE(Near(PixelRgba(out.get(), 12, 12), 40, 40, 40, 0));
    }
}

}  // namespace
