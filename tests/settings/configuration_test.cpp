// Tests of config.ini: layout and key order, fallbacks, number reading, upgrades, round trips.
#include <gtest/gtest.h>

#include "app/startup.h"
#include "engine/format_tables.h"
#include "settings/configuration.h"
#include "settings/settings.h"
#include "support/support.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

const std::string kBom = "\xEF\xBB\xBF";

// The file written for the window defaults with both dates set to 1000 and the window at 7, 9.
const std::string kDefaultFile =
    kBom + "\r\n"
    "[General]\r\nCFG = 17\r\nLanguage = en\r\nUpdate Range = 2\r\nUpdate Date = 1000\r\n"
    "Save Window Position = 1\r\n; \r\n"
    "[Window]\r\nIsMaximized = 0\r\nWidth = 510\r\nHeight = 260\r\nX = 7\r\nY = 9\r\n; \r\n"
    "[Interface]\r\nUI Theme = handdrawn\r\nUI Size = 2\r\n; \r\n"
    "[Input]\r\nFormat = pcx\r\n; \r\n"
    "[Output]\r\nFormat = jpg\r\nJPG BPP = 0\r\nJPG Quality = 95\r\nJPG Chroma = 0\r\n"
    "JPG Save As = 0\r\n; \r\n"
    "[Transform]\r\nDo Image Rotation = 0\r\nImage Rotation Type = 0\r\nImage Rotation = 0\r\n"
    "Image Rotation Back Color = 000000\r\nDo Image Resize = 0\r\nImage Width = 0\r\n"
    "Image Width Unit = 0\r\nImage Height = 0\r\nImage Height Unit = 0\r\n"
    "Keep Aspect Ratio = 1\r\nImage Resize Type = 0\r\nImage Resize Algorithm = 3\r\n"
    "Do Image Flip Horizontal = 0\r\nDo Image Flip Vertical = 0\r\n; \r\n"
    "[Adjustment]\r\nDo Image Color Correction = 0\r\nImage Brightness = 0\r\n"
    "Image Contrast = 0\r\nImage Gamma = 1.000000\r\nImage Invert = 0\r\n"
    "Do Image Greyscale = 0\r\nDo Image Threshold = 0\r\nImage Threshold = 0\r\n; \r\n"
    "[Frame]\r\nDo Frame = 0\r\nSolid Left = 0\r\nSolid Right = 0\r\nSolid Top = 0\r\n"
    "Solid Bottom = 0\r\nSolid Left Color = 000000\r\nSolid Right Color = 000000\r\n"
    "Solid Top Color = 000000\r\nSolid Bottom Color = 000000\r\nSolid Opacity = 255\r\n; \r\n"
    "[Watermark]\r\nDo Watermark = 0\r\nText = " + std::string(MakerNotice) + "\r\n"
    "Fonts = Arial,Tahoma,Verdana\r\nFont = Arial\r\nFont Size = 14\r\nFont Leading = 0\r\n"
    "Font Colors = 000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF\r\n"
    "Font Color = FFFFFF\r\nFont Style = 0\r\nFont Effect = 0\r\nText Antialiasing = 0\r\n"
    "Text Alignment = 0\r\nText Padding = 0\r\nText Opacity = 255\r\n"
    "Back Colors = 000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF\r\n"
    "Back Color = 000000\r\nBack Opacity = 1\r\nText Boundary = 0\r\nText Position = 8\r\n"
    "Text X Offset = 10\r\nText Y Offset = 10\r\nText Rotation = 0\r\nText Size = 0\r\n"
    "Text Scale = 10\r\nImage = \r\nImage Greyscale = 0\r\nImage Opacity = 255\r\n"
    "Image Boundary = 0\r\nImage Position = 8\r\nImage X Offset = 10\r\nImage Y Offset = 10\r\n"
    "Image Rotation = 0\r\nImage Size = 0\r\nImage Scale = 10\r\n; \r\n"
    "[Advanced]\r\nFilename Mask = %filename%.%ext%\r\nFile Timestamp = 0\r\n"
    "Custom Timestamp = 1000\r\nOut Folders History = 1\r\nOut Folders Number = 5\r\n"
    "Keep Subfolders = 1\r\n; \r\n"
    "[File]\r\nRecent Out Folders = \r\nRecent Files = \r\n; \r\n"
    "[Privacy]\r\nClean Recent Files = 0\r\n; \r\n";

class Configuration : public ::testing::Test {
protected:
    void SetUp() override {
        CreateFormatLists();
        SetDesktopSizeForDefaults(0, 0);
        saved_ = ConfigurationPath;
        ConfigurationPath = dir_ / "config.ini";
    }
    void TearDown() override {
        ConfigurationPath = saved_;
        SetDesktopSizeForDefaults(0, 0);
    }
    // Window defaults with fixed dates and position, so that saved files can be compared.
    static void ResetForComparison() {
        ResetSettings(false);
        Settings.general.updateDate = 1000;
        Settings.advanced.customTimestamp = 1000;
        Settings.window.x = 7;
        Settings.window.y = 9;
    }
    void LoadText(const std::string& text) {
        WriteFile(ConfigurationPath, text);
        LoadConfiguration();
    }

    TempDir dir_;
    std::string saved_;
};

TEST_F(Configuration, DefaultsAreWrittenInTheExactLayout) {
    ResetForComparison();
    SaveConfiguration();
    EXPECT_EQ(ReadFile(ConfigurationPath), kDefaultFile);
}

TEST_F(Configuration, WindowGroupIsEmptyWhenPositionIsNotSaved) {
    ResetForComparison();
    Settings.general.saveWindowPosition = 0;
    Settings.general.cfg = 3;  // the version written is always the current one
    SaveConfiguration();
    std::string expected = kDefaultFile;
    expected.replace(expected.find("Save Window Position = 1"), 24, "Save Window Position = 0");
    std::size_t window = expected.find("[Window]\r\n") + 10;
    expected.erase(window, expected.find("; \r\n", window) - window);
    EXPECT_EQ(ReadFile(ConfigurationPath), expected);
}

TEST_F(Configuration, MissingFileGivesWindowDefaultsWithTheCentredPosition) {
    SetDesktopSizeForDefaults(1920, 1080);
    Settings.transform.keepAspectRatio = 0;
    LoadConfiguration();
    EXPECT_EQ(Settings.general.cfg, 17);
    EXPECT_EQ(Settings.window.x, 705);
    EXPECT_EQ(Settings.window.y, 410);
    EXPECT_EQ(Settings.transform.keepAspectRatio, 1);
    EXPECT_EQ(Settings.advanced.filenameMask, "%filename%.%ext%");
    EXPECT_FALSE(testing_support::FileExists(ConfigurationPath));  // loading never writes
}

TEST_F(Configuration, MissingKeysFallBack) {
    SetDesktopSizeForDefaults(1920, 1080);
    LoadText(kBom + "\r\n[General]\r\nSave Window Position = 0\r\n; \r\n[Window]\r\n; \r\n");
    EXPECT_EQ(Settings.general.cfg, 0);
    EXPECT_EQ(Settings.window.x, 100);
    EXPECT_EQ(Settings.window.y, 100);
    EXPECT_EQ(Settings.window.width, 510);
    EXPECT_EQ(Settings.window.height, 260);
    EXPECT_EQ(Settings.transform.keepAspectRatio, 1);
    EXPECT_EQ(Settings.input.format, "pcx");
    EXPECT_EQ(Settings.output.format, "jpg");
    EXPECT_EQ(Settings.output.jpgQuality, 95);
    EXPECT_EQ(Settings.watermark.backOpacity, 1);
    EXPECT_NEAR(Settings.general.updateDate, LocalNow(), 2);
}

TEST_F(Configuration, NumbersAreReadUpToTheFirstNonDigit) {
    struct Case {
        const char* value;
        std::int32_t quality;       // a 32-bit field
        std::uint8_t aspectRatio;   // an 8-bit field keeps the low 8 bits
    };
    const Case cases[] = {
        {"500", 500, 244},
        {"256", 256, 0},
        {"-1", -1, 255},
        {"+7", 7, 7},
        {"12abc", 12, 12},
        {"1.9", 1, 1},
        {"abc", 0, 0},
        {"", 0, 0},
        {"-", 0, 0},
        {"- 5", 0, 0},
        {"99999999999999", 2147483647, 255},
        {"-99999999999999", -2147483647 - 1, 0},
    };
    for (const Case& c : cases) {
        LoadText(std::string("[Output]\nJPG Quality = ") + c.value +
                 "\n[Transform]\nKeep Aspect Ratio = " + c.value + "\n");
        EXPECT_EQ(Settings.output.jpgQuality, c.quality) << '"' << c.value << '"';
        EXPECT_EQ(Settings.transform.keepAspectRatio, c.aspectRatio) << '"' << c.value << '"';
    }
}

TEST_F(Configuration, GammaIsADecimalFraction) {
    struct Case {
        const char* value;
        float gamma;
    };
    const Case cases[] = {
        {"2.5", 2.5f}, {"0.01", 0.01f}, {"+1.25", 1.25f}, {"3", 3.0f},   {"1.5x", 1.5f},
        {"1,5", 1.0f}, {"abc", 0.0f},   {"", 0.0f},       {"nan", 0.0f}, {"inf", 0.0f},
    };
    for (const Case& c : cases) {
        LoadText(std::string("[Adjustment]\nImage Gamma = ") + c.value + "\n");
        EXPECT_FLOAT_EQ(Settings.adjustment.imageGamma, c.gamma) << '"' << c.value << '"';
    }
}

TEST_F(Configuration, UpgradesFromOlderLayouts) {
    struct Case {
        const char* cfgLine;  // "" for a file without CFG
        const char* mask;
        int rawLoadAs;
        const char* expectedMask;
        int expectedRawLoadAs;
    };
    const Case cases[] = {
        {"CFG = 10", "%filename%", 0, "%filename%.%ext%", 0},
        {"CFG = 10", "%filename%_%ext%", 0, "%filename%_%ext%", 0},
        {"CFG = 10", "%filename%.%EXT%", 0, "%filename%.%EXT%.%ext%", 0},
        {"CFG = 11", "%filename%", 0, "%filename%", 0},
        {"CFG = 13", "%filename%", 1, "%filename%", 3},
        {"CFG = 13", "%filename%", 0, "%filename%", 0},
        {"CFG = 14", "%filename%", 1, "%filename%", 1},
        {"", "%filename%", 1, "%filename%.%ext%", 3},
        {"cfg = 13", "x", 2, "x", 4},
    };
    for (const Case& c : cases) {
        LoadText(std::string("[General]\n") + c.cfgLine + "\n[Input]\nRAW Load As = " +
                 std::to_string(c.rawLoadAs) + "\n[Advanced]\nFilename Mask = " + c.mask + "\n");
        EXPECT_EQ(Settings.advanced.filenameMask, c.expectedMask) << c.cfgLine << " " << c.mask;
        EXPECT_EQ(Settings.input.rawLoadAs, c.expectedRawLoadAs) << c.cfgLine << " " << c.mask;
    }
    // The version read is kept in the record; the file always gets the current one.
    LoadText("[General]\nCFG = 13\n");
    EXPECT_EQ(Settings.general.cfg, 13);
    SaveConfiguration();
    EXPECT_NE(ReadFile(ConfigurationPath).find("\r\nCFG = 17\r\n"), std::string::npos);
}

TEST_F(Configuration, NamesInAnyCaseAreFoundAndDuplicateKeysStayApart) {
    LoadText("[general]\ncfg = 17\nlanguage=de\n"
             "[TRANSFORM]\nimage rotation = 90\n"
             "[Watermark]\nIMAGE ROTATION = 45\n"
             "[input]\nformat = gif\n[Output]\nFORMAT = png\n");
    EXPECT_EQ(Settings.general.language, "de");
    EXPECT_EQ(Settings.transform.imageRotation, 90);
    EXPECT_EQ(Settings.watermark.imageRotation, 45);
    EXPECT_EQ(Settings.input.format, "gif");
    EXPECT_EQ(Settings.output.format, "png");
}

TEST_F(Configuration, UnlistedFormatKeysAndUnknownKeysDoNotSurviveASave) {
    LoadText(kBom + "\r\n[Output]\r\nPNG BPP = 8\r\nTIFF Compression = 4\r\nJPG Quality = 70\r\n"
             "Unknown = 1\r\n; \r\n[Extra]\r\nKey = value\r\n; \r\n");
    EXPECT_EQ(Settings.output.pngBpp, 8);
    EXPECT_EQ(Settings.output.tiffCompression, 4);
    SaveConfiguration();
    std::string saved = ReadFile(ConfigurationPath);
    for (const char* gone : {"PNG BPP", "TIFF Compression", "Unknown", "[Extra]", "Key"}) {
        EXPECT_EQ(saved.find(gone), std::string::npos) << gone;
    }
    EXPECT_NE(saved.find("JPG Quality = 70"), std::string::npos);
    LoadConfiguration();
    EXPECT_EQ(Settings.output.pngBpp, 0);
    EXPECT_EQ(Settings.output.tiffCompression, 0);
    EXPECT_EQ(Settings.output.jpgQuality, 70);
}

TEST_F(Configuration, WriteReadWriteIsByteIdentical) {
    ResetForComparison();
    ConversionSettings& s = Settings;
    s.general.updateRange = 5;
    s.general.updateDate = -12345;
    s.window.isMaximized = 1;
    s.window.x = -40;
    s.interface.uiTheme = "th\xC3\xA8me";
    s.output.jpgQuality = 500;
    s.output.jpgChroma = 3;
    s.transform.imageRotationBackColor = "ff8000";
    s.transform.keepAspectRatio = 0;
    s.adjustment.imageGamma = 2.2f;
    s.adjustment.imageBrightness = -100;
    s.watermark.text = "\xC2\xA9 caf\xC3\xA9 %date%";
    s.watermark.fontStyle = 255;
    s.advanced.filenameMask = "%filename%_%width%x%height%.%ext%";
    s.file.recentOutFolders = "/out/one/\t/out/two/\t./rel/";
    s.file.recentFiles = "anything, kept";
    s.privacy.cleanRecentFiles = 1;
    SaveConfiguration();
    const std::string first = ReadFile(ConfigurationPath);

    ResetSettings(true);
    LoadConfiguration();
    EXPECT_EQ(Settings.file.recentOutFolders, "/out/one/\t/out/two/\t./rel/");
    EXPECT_FLOAT_EQ(Settings.adjustment.imageGamma, 2.2f);
    EXPECT_EQ(Settings.transform.keepAspectRatio, 0);
    EXPECT_EQ(Settings.window.x, -40);
    EXPECT_EQ(Settings.watermark.text, "\xC2\xA9 caf\xC3\xA9 %date%");
    SaveConfiguration();
    EXPECT_EQ(ReadFile(ConfigurationPath), first);
}

TEST_F(Configuration, FileWithoutByteOrderMarkIsLatin1) {
    LoadText("[Watermark]\r\nText = caf\xE9 \xA9\r\n");
    EXPECT_EQ(Settings.watermark.text, "caf\xC3\xA9 \xC2\xA9");
}

TEST_F(Configuration, SaveIntoAMissingFolderIsSilent) {
    ConfigurationPath = dir_ / "missing/config.ini";
    ResetSettings(false);
    Settings.output.jpgQuality = 42;
    SaveConfiguration();
    EXPECT_FALSE(testing_support::FileExists(ConfigurationPath));
    EXPECT_EQ(Settings.output.jpgQuality, 42);
}

}  // namespace
