// Tests of the settings defaults, the colour texts and the local "now".
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "engine/format_tables.h"
#include "settings/settings.h"

namespace {

class SettingsDefaults : public ::testing::Test {
protected:
    void SetUp() override {
        CreateFormatLists();
        SetDesktopSizeForDefaults(0, 0);
    }
    void TearDown() override { SetDesktopSizeForDefaults(0, 0); }
};

TEST_F(SettingsDefaults, KeepAspectRatioIsTheOnlyDifferenceBetweenTheModes) {
    ResetSettings(true);
    ConversionSettings commandLine = Settings;
    ResetSettings(false);
    EXPECT_EQ(commandLine.transform.keepAspectRatio, 0);
    EXPECT_EQ(Settings.transform.keepAspectRatio, 1);
    EXPECT_EQ(commandLine.transform.imageResizeAlgorithm, Settings.transform.imageResizeAlgorithm);
    EXPECT_EQ(commandLine.window.width, Settings.window.width);
    EXPECT_EQ(commandLine.watermark.text, Settings.watermark.text);
    EXPECT_EQ(commandLine.advanced.filenameMask, Settings.advanced.filenameMask);
}

TEST_F(SettingsDefaults, ResetOverwritesEveryChangedField) {
    ResetSettings(false);
    Settings.output.pngBpp = 8;
    Settings.output.jpgQuality = 1;
    Settings.transform.doImageResize = 1;
    Settings.adjustment.imageGamma = 2.5f;
    Settings.watermark.backOpacity = 200;
    Settings.file.recentOutFolders = "/tmp/";
    ResetSettings(true);
    EXPECT_EQ(Settings.output.pngBpp, 0);
    EXPECT_EQ(Settings.output.jpgQuality, 95);
    EXPECT_EQ(Settings.transform.doImageResize, 0);
    EXPECT_EQ(Settings.adjustment.imageGamma, 1.0f);
    EXPECT_EQ(Settings.watermark.backOpacity, 1);
    EXPECT_EQ(Settings.file.recentOutFolders, "");
}

TEST_F(SettingsDefaults, NotableDefaults) {
    ResetSettings(false);
    const ConversionSettings& s = Settings;
    EXPECT_EQ(s.general.cfg, 17);
    EXPECT_EQ(s.general.language, "en");
    EXPECT_EQ(s.general.updateRange, 2);
    EXPECT_EQ(s.general.saveWindowPosition, 1);
    EXPECT_EQ(s.window.width, 510);
    EXPECT_EQ(s.window.height, 260);
    EXPECT_EQ(s.interface.uiTheme, "handdrawn");
    EXPECT_EQ(s.input.format, "pcx");
    EXPECT_EQ(s.input.rawToneMapping, 2);
    EXPECT_EQ(s.output.format, "jpg");
    EXPECT_EQ(s.transform.imageResizeAlgorithm, 3);
    EXPECT_EQ(s.frame.solidOpacity, 255);
    EXPECT_EQ(s.watermark.textOpacity, 255);
    EXPECT_EQ(s.watermark.imageOpacity, 255);
    EXPECT_EQ(s.watermark.backOpacity, 1);
    EXPECT_EQ(s.watermark.textPosition, 8);
    EXPECT_EQ(s.watermark.imageXOffset, 10);
    EXPECT_EQ(s.watermark.textScale, 10);
    EXPECT_EQ(s.watermark.fontColors,
              "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF");
    EXPECT_EQ(s.watermark.backColors, s.watermark.fontColors);
    EXPECT_EQ(s.advanced.filenameMask, "%filename%.%ext%");
    EXPECT_EQ(s.advanced.outFoldersNumber, 5);
    EXPECT_EQ(s.advanced.keepSubfolders, 1);
    // The default watermark is the maker's notice, a single line with the circled c sign.
    EXPECT_EQ(s.watermark.text, MakerNotice);
    EXPECT_NE(s.watermark.text.find("\xC2\xA9"), std::string::npos);
    EXPECT_EQ(s.watermark.text.find_first_of("\r\n\t"), std::string::npos);
}

TEST_F(SettingsDefaults, DatesAreNow) {
    std::int32_t before = LocalNow();
    ResetSettings(true);
    std::int32_t after = LocalNow();
    EXPECT_GE(Settings.general.updateDate, before);
    EXPECT_LE(Settings.general.updateDate, after);
    EXPECT_GE(Settings.advanced.customTimestamp, before);
    EXPECT_LE(Settings.advanced.customTimestamp, after);
}

TEST_F(SettingsDefaults, WindowIsCentredOnTheDesktopWhenItFits) {
    struct Case {
        int desktopWidth, desktopHeight;
        std::int32_t x, y;
    };
    const Case cases[] = {
        {1920, 1080, 705, 410},
        {1921, 1081, 705, 410},  // the fraction is dropped
        {511, 261, 0, 0},
        {510, 260, 100, 100},    // not wider: uncentred
        {300, 1080, 100, 410},
        {0, 0, 100, 100},        // desktop unknown
    };
    for (const Case& c : cases) {
        SetDesktopSizeForDefaults(c.desktopWidth, c.desktopHeight);
        ResetSettings(false);
        EXPECT_EQ(Settings.window.x, c.x) << c.desktopWidth;
        EXPECT_EQ(Settings.window.y, c.y) << c.desktopHeight;
    }
}

TEST(Colours, HexToColor) {
    struct Case {
        const char* text;
        Rgb expected;
    };
    const Case cases[] = {
        {"FF8000", {255, 128, 0}},
        {"ff8000", {255, 128, 0}},
        {"0080fF", {0, 128, 255}},
        {"1G1G1G", {1, 1, 1}},      // a pair stops at its first non-hex character
        {"G1G1G1", {0, 0, 0}},
        {"FFzz10", {255, 0, 16}},
        {"FFFFF", {0, 0, 0}},       // not six characters: black
        {"FFFFFFF", {0, 0, 0}},
        {"", {0, 0, 0}},
        {" FFFFF", {0, 255, 255}},  // " F" stops at once
    };
    for (const Case& c : cases) {
        Rgb colour = HexToColor(c.text);
        EXPECT_EQ(colour, c.expected) << '"' << c.text << "\" gave " << int(colour.red) << ","
                                      << int(colour.green) << "," << int(colour.blue);
    }
}

TEST(Colours, ColorToHexWritesSixUpperCaseDigitsAndRoundTrips) {
    EXPECT_EQ(ColorToHex(Rgb{0, 128, 255}), "0080FF");
    EXPECT_EQ(ColorToHex(Rgb{0, 0, 0}), "000000");
    EXPECT_EQ(ColorToHex(Rgb{10, 171, 255}), "0AABFF");
    for (int v = 0; v < 256; ++v) {
        Rgb colour{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(255 - v),
                   static_cast<std::uint8_t>(v * 7)};
        ASSERT_EQ(HexToColor(ColorToHex(colour)), colour) << v;
    }
}

TEST(LocalTime, NowIsUtcShiftedByTheLocalOffset) {
    const char* saved = std::getenv("TZ");
    std::string previous = saved ? saved : "";
    // Three hours east of UTC (POSIX writes the offset with the opposite sign).
    setenv("TZ", "XYZ-3", 1);
    tzset();
    double shift = static_cast<double>(LocalNow()) - static_cast<double>(std::time(nullptr));
    if (saved) setenv("TZ", previous.c_str(), 1); else unsetenv("TZ");
    tzset();
    EXPECT_NEAR(shift, 3 * 3600.0, 2.0);
}

}  // namespace
