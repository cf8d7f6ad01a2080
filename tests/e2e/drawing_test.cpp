// End-to-end runs with frames and watermarks: a PCX made here is converted by the real program
// (JPEG quality 100, no chroma subsampling) and the decoded output is checked for where the
// bands and stamps landed; refusals and the missing drawing module are checked by their lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/support.h"

using namespace testing_support;

namespace {

struct Box {
    int left = -1, top = -1, right = -1, bottom = -1;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "(" << box.left << "," << box.top << ")-(" << box.right << "," << box.bottom << ")";
}

bool IsRed(const Pixel& p) { return p.r > 200 && p.g < 60 && p.b < 60; }
bool IsGreen(const Pixel& p) { return p.g > 200 && p.r < 60 && p.b < 60; }

Box FindBox(FIBITMAP* bitmap, bool (*match)(const Pixel&)) {
    Box box;
    const int width = static_cast<int>(FreeImage_GetWidth(bitmap));
    const int height = static_cast<int>(FreeImage_GetHeight(bitmap));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (!match(PixelAt(bitmap, x, y))) continue;
            if (box.left < 0 || x < box.left) box.left = x;
            if (box.right < x) box.right = x;
            if (box.top < 0) box.top = y;
            box.bottom = y;
        }
    return box;
}

// A plain grey picture, so that any red or green in the output comes from the drawing.
void WriteGreyPcx(const std::string& path, int width, int height, std::uint8_t grey = 100) {
    WriteFile(path, EncodePcx(MakeRgbPcx(width, height, std::vector<std::uint8_t>(
                                                            static_cast<size_t>(width) * height * 3, grey))));
}

// A one-colour PNG watermark of w x h pixels.
void WriteGreenPng(const std::string& path, int width, int height) {
    Bitmap picture(FreeImage_Allocate(width, height, 32));
    RGBQUAD green{0, 255, 0, 255};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) FreeImage_SetPixelColor(picture.get(), x, y, &green);
    ASSERT_TRUE(FreeImage_Save(FIF_PNG, picture.get(), path.c_str(), 0));
}

struct Converted {
    RunResult run;
    Bitmap picture;
};

Converted Convert(const TempDir& dir, const std::string& input, std::vector<std::string> options) {
    std::vector<std::string> args = {"-i", dir / input, "-o", dir.path(), "--JPG-QUALITY=100"};
    args.insert(args.end(), options.begin(), options.end());
    Converted result;
    result.run = RunLumadex(args);
    const std::string output = dir / (input.substr(0, input.rfind('.')) + ".jpg");
    result.picture = LoadPicture(output);
    return result;
}

TEST(DrawingRun, FrameCornerAndOpacity) {
    TempDir dir;
    WriteGreyPcx(dir / "card.pcx", 60, 40, 0);
    const struct {
        const char* opacity;
        int x, y;
        Pixel expected;
    } cases[] = {
        {"255", 7, 2, {255, 0, 0}}, {"255", 2, 7, {0, 0, 255}},  {"255", 30, 20, {0, 0, 0}},
        {"128", 30, 4, {128, 0, 0}}, {"128", 4, 25, {0, 0, 128}},
    };
    for (const auto& c : cases) {
        Converted out = Convert(dir, "card.pcx", {"--FR-SOLID-TOP=10", "--FR-SOLID-LEFT=10", "--FR-SOLID-TOP-COLOR=FF0000",
                                                  "--FR-SOLID-LEFT-COLOR=0000FF",
                                                  std::string("--FR-SOLID-OPACITY=") + c.opacity});
        ASSERT_TRUE(out.picture) << out.run.out;
        EXPECT_EQ(BitmapWidth(out.picture), 60u);
        EXPECT_EQ(BitmapHeight(out.picture), 40u);
        const Pixel p = PixelAt(out.picture.get(), c.x, c.y);
        EXPECT_NEAR(p.r, c.expected.r, 12) << "opacity " << c.opacity << " at " << c.x << "," << c.y;
        EXPECT_NEAR(p.g, c.expected.g, 12);
        EXPECT_NEAR(p.b, c.expected.b, 12);
    }
}

TEST(DrawingRun, OversizeFrameStillConverts) {
    TempDir dir;
    WriteGreyPcx(dir / "small.pcx", 30, 20);
    Converted out = Convert(dir, "small.pcx", {"--FR-SOLID-LEFT=500", "--FR-SOLID-RIGHT=40", "--FR-SOLID-TOP=999999",
                                               "--FR-SOLID-BOTTOM=21", "--FR-SOLID-LEFT-COLOR=FF0000",
                                               "--FR-SOLID-RIGHT-COLOR=FF0000", "--FR-SOLID-TOP-COLOR=FF0000",
                                               "--FR-SOLID-BOTTOM-COLOR=FF0000"});
    ASSERT_TRUE(out.picture) << out.run.out;
    EXPECT_EQ(BitmapWidth(out.picture), 30u);
    EXPECT_EQ(FindBox(out.picture.get(), IsRed), (Box{0, 0, 29, 19}));
}

TEST(DrawingRun, TextStampAtTheDefaultPlaceAndInsideTheFrame) {
    const struct {
        const char* name;
        std::vector<std::string> options;
        int right, bottom;
    } cases[] = {
        {"default place", {}, 189, 89},
        {"inside a 20-pixel frame", {"--FR-SOLID-LEFT=20", "--FR-SOLID-RIGHT=20", "--FR-SOLID-TOP=20",
                                     "--FR-SOLID-BOTTOM=20", "--WM-TEXT-BOUNDARY=FRAME"}, 169, 69},
        {"frame ignored for IMAGE", {"--FR-SOLID-RIGHT=20", "--FR-SOLID-BOTTOM=20", "--WM-TEXT-BOUNDARY=IMAGE"}, 189, 89},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        WriteGreyPcx(dir / "card.pcx", 200, 100);
        std::vector<std::string> options = {"--WM-TEXT=Stamp", "--WM-BACK-COLOR=FF0000", "--WM-BACK-OPACITY=255",
                                            "--WM-TEXT-PADDING=5"};
        options.insert(options.end(), c.options.begin(), c.options.end());
        Converted out = Convert(dir, "card.pcx", options);
        ASSERT_TRUE(out.picture) << out.run.out;
        const Box box = FindBox(out.picture.get(), IsRed);
        EXPECT_NEAR(box.right, c.right, 1) << box;
        EXPECT_NEAR(box.bottom, c.bottom, 1) << box;
        EXPECT_GT(box.right - box.left, 30) << box;
    }
}

TEST(DrawingRun, PictureStampPositionsAndCut) {
    const struct {
        const char* position;
        int width;  // of the PNG
        Box expected;
    } cases[] = {
        {"TOPLEFT", 12, {10, 10, 21, 17}},
        {"MIDDLECENTER", 12, {44, 26, 55, 33}},
        {"BOTTOMRIGHT", 12, {78, 42, 89, 49}},
        {"TOPLEFT", 400, {10, 10, 99, 17}},  // wider than the picture: cut to 100 - 10
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        TempDir dir;
        WriteGreyPcx(dir / "card.pcx", 100, 60);
        WriteGreenPng(dir / "mark.png", c.width, 8);
        Converted out = Convert(dir, "card.pcx", {"--WM-IMAGE=" + (dir / "mark.png"),
                                                  std::string("--WM-IMAGE-POSITION=") + c.position});
        ASSERT_TRUE(out.picture) << out.run.out;
        const Box box = FindBox(out.picture.get(), IsGreen);
        EXPECT_NEAR(box.left, c.expected.left, 1) << box;
        EXPECT_NEAR(box.top, c.expected.top, 1) << box;
        EXPECT_NEAR(box.right, c.expected.right, 1) << box;
        EXPECT_NEAR(box.bottom, c.expected.bottom, 1) << box;
    }
}

// "%filename%" is replaced by the input's name and a lone "%" stays: the stamp of the token text
// is the stamp of the text written out.
TEST(DrawingRun, FilenameTokenInTheText) {
    TempDir dir;
    WriteGreyPcx(dir / "Photo.pcx", 160, 60);
    const std::vector<std::string> common = {"--WM-BACK-OPACITY=255", "--WM-TEXT-POSITION=TOPLEFT"};
    auto with = [&](const std::string& text) {
        std::vector<std::string> options = common;
        options.push_back("--WM-TEXT=" + text);
        return options;
    };
    Converted token = Convert(dir, "Photo.pcx", with("%filename% 100%"));
    ASSERT_TRUE(token.picture) << token.run.out;
    Converted written = Convert(dir, "Photo.pcx", with("Photo 100%"));
    ASSERT_TRUE(written.picture);
    Converted raw = Convert(dir, "Photo.pcx", with("%filenamx% 100%"));
    ASSERT_TRUE(raw.picture);
    EXPECT_EQ(Psnr(token.picture.get(), written.picture.get()), std::numeric_limits<double>::infinity());
    EXPECT_LT(Psnr(token.picture.get(), raw.picture.get()), 60);
}

TEST(DrawingRun, UnknownFontIsRefused) {
    TempDir dir;
    WriteGreyPcx(dir / "card.pcx", 40, 30);
    Converted out = Convert(dir, "card.pcx", {"--WM-TEXT=hello", "--WM-FONT=NoSuchFont"});
    EXPECT_NE(out.run.out.find("Error: Invalid watermark font"), std::string::npos) << out.run.out;
    EXPECT_FALSE(out.picture);
}

// Offsets that leave no room drop the stamp, never the conversion.
TEST(DrawingRun, NoRoomForTheStampConvertsWithoutIt) {
    const std::vector<std::vector<std::string>> cases = {
        {"--WM-TEXT=hello", "--WM-BACK-OPACITY=255", "--WM-BACK-COLOR=FF0000", "--WM-TEXT-X-OFFSET=80"},
        {"--WM-TEXT=hello", "--WM-BACK-OPACITY=255", "--WM-BACK-COLOR=FF0000", "--WM-TEXT-Y-OFFSET=5000"},
        {"--WM-TEXT=hello", "--WM-BACK-OPACITY=255", "--WM-BACK-COLOR=FF0000", "--FR-SOLID-LEFT=50",
         "--FR-SOLID-RIGHT=40", "--FR-SOLID-LEFT-COLOR=646464", "--FR-SOLID-RIGHT-COLOR=646464",
         "--WM-TEXT-BOUNDARY=FRAME"},
    };
    for (const auto& options : cases) {
        TempDir dir;
        WriteGreyPcx(dir / "card.pcx", 80, 50);
        Converted out = Convert(dir, "card.pcx", options);
        ASSERT_TRUE(out.picture) << out.run.out;
        EXPECT_NE(out.run.out.find("Files converted: 1 of 1"), std::string::npos) << out.run.out;
        EXPECT_EQ(FindBox(out.picture.get(), IsRed), Box{}) << options[3];
    }
}

// Without the module beside the program a drawing run says why and converts nothing; a plain
// conversion does not need the module at all.
TEST(DrawingRun, MissingModule) {
    TempDir dir;
    TempDir program;
    std::filesystem::copy_file(LUMADEX_EXE, program / "lumadex");
    std::filesystem::permissions(program / "lumadex", std::filesystem::perms::owner_all);
    WriteGreyPcx(dir / "card.pcx", 40, 30);
    RunOptions options;
    options.executable = program / "lumadex";
    const std::vector<std::vector<std::string>> drawing = {{"--FR-SOLID-LEFT=5"}, {"--WM-TEXT=hello"}};
    for (const auto& extra : drawing) {
        std::vector<std::string> args = {"-i", dir / "card.pcx", "-o", dir.path()};
        args.insert(args.end(), extra.begin(), extra.end());
        const RunResult run = RunLumadex(args, options);
        EXPECT_NE(run.out.find("Error: Drawing module not available: "), std::string::npos) << run.out;
        EXPECT_FALSE(FileExists(dir / "card.jpg")) << extra[0];
    }
    const RunResult plain = RunLumadex({"-i", dir / "card.pcx", "-o", dir.path()}, options);
    EXPECT_TRUE(FileExists(dir / "card.jpg")) << plain.out;
}

}  // namespace
