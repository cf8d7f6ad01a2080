// The one conversion settings record, its defaults, colour texts and the local "now".
#include "settings/settings.h"
#include "app/text.h"

#include <ctime>

#include "engine/format_tables.h"

ConversionSettings Settings;

const char* const MakerNotice = "\u00A9 2026 Quillon Software. Made with Quillon PCX to JPG.";

namespace {

constexpr std::int32_t kDefaultWindowWidth = 510;
constexpr std::int32_t kDefaultWindowHeight = 260;
constexpr std::int32_t kUncentredPosition = 100;
constexpr const char* kDefaultColourList =
    "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF";

int DesktopWidth = 0;
int DesktopHeight = 0;

// Centres a window extent on a desktop extent; a desktop that is not larger gives 100.
std::int32_t Centred(int desktop, std::int32_t window) {
    return desktop > window ? (desktop - window) / 2 : kUncentredPosition;
}

std::string FirstOrEmpty(const std::vector<std::string>& list) {
    return list.empty() ? std::string() : list.front();
}

// Reads a two-character pair up to its first character that is not a hexadecimal digit.
std::uint8_t HexPair(char first, char second) {
    int high = HexDigitValue(first);
    if (high < 0) return 0;
    int low = HexDigitValue(second);
    if (low < 0) return static_cast<std::uint8_t>(high);
    return static_cast<std::uint8_t>(high * 16 + low);
}

}  // namespace

void SetDesktopSizeForDefaults(int width, int height) {
    DesktopWidth = width;
    DesktopHeight = height;
}

void ResetSettings(bool forCommandLine) {
    ConversionSettings& s = Settings;
    const std::int32_t now = LocalNow();

    s.general.cfg = 17;
    s.general.language = "en";
    s.general.updateRange = 2;
    s.general.updateDate = now;
    s.general.saveWindowPosition = 1;

    s.window.isMaximized = 0;
    s.window.x = Centred(DesktopWidth, kDefaultWindowWidth);
    s.window.y = Centred(DesktopHeight, kDefaultWindowHeight);
    s.window.width = kDefaultWindowWidth;
    s.window.height = kDefaultWindowHeight;

    s.interface.uiTheme = "handdrawn";
    s.interface.uiSize = 2;

    s.input.format = FirstOrEmpty(InputFormatList);
    s.input.ddsLoadAs = 0;
    s.input.gifFrameLoading = 0;
    s.input.icoFrameLoading = 0;
    s.input.tiffFrameLoading = 0;
    s.input.rawLoadAs = 0;
    s.input.rawHeaderSize = 0;
    s.input.rawImageWidth = 0;
    s.input.rawImageHeight = 0;
    s.input.rawToneMapping = 2;

    s.output = ConversionSettings::Output{};  // every per-format depth and code is 0
    s.output.format = FirstOrEmpty(OutputFormatList);
    s.output.jpgQuality = 95;

    s.transform.doImageRotation = 0;
    s.transform.imageRotationType = 0;
    s.transform.imageRotation = 0;
    s.transform.imageRotationBackColor = "000000";
    s.transform.doImageResize = 0;
    s.transform.imageWidth = 0;
    s.transform.imageWidthUnit = 0;
    s.transform.imageHeight = 0;
    s.transform.imageHeightUnit = 0;
    s.transform.keepAspectRatio = forCommandLine ? 0 : 1;
    s.transform.imageResizeType = 0;
    s.transform.imageResizeAlgorithm = 3;
    s.transform.doImageFlipHorizontal = 0;
    s.transform.doImageFlipVertical = 0;

    s.adjustment.doImageColorCorrection = 0;
    s.adjustment.imageBrightness = 0;
    s.adjustment.imageContrast = 0;
    s.adjustment.imageGamma = 1.0f;
    s.adjustment.imageInvert = 0;
    s.adjustment.doImageGreyscale = 0;
    s.adjustment.doImageThreshold = 0;
    s.adjustment.imageThreshold = 0;

    s.frame.doFrame = 0;
    s.frame.solidLeft = 0;
    s.frame.solidRight = 0;
    s.frame.solidTop = 0;
    s.frame.solidBottom = 0;
    s.frame.solidLeftColor = "000000";
    s.frame.solidRightColor = "000000";
    s.frame.solidTopColor = "000000";
    s.frame.solidBottomColor = "000000";
    s.frame.solidOpacity = 255;

    ConversionSettings::Watermark& w = s.watermark;
    w.doWatermark = 0;
    w.text = MakerNotice;
    w.fonts = "Arial,Tahoma,Verdana";
    w.font = "Arial";
    w.fontSize = 14;
    w.fontLeading = 0;
    w.fontColors = kDefaultColourList;
    w.fontColor = "FFFFFF";
    w.fontStyle = 0;
    w.fontEffect = 0;
    w.textAntialiasing = 0;
    w.textAlignment = 0;
    w.textPadding = 0;
    w.textOpacity = 255;
    w.backColors = kDefaultColourList;
    w.backColor = "000000";
    w.backOpacity = 1;
    w.textBoundary = 0;
    w.textPosition = 8;
    w.textXOffset = 10;
    w.textYOffset = 10;
    w.textRotation = 0;
    w.textSize = 0;
    w.textScale = 10;
    w.image = "";
    w.imageGreyscale = 0;
    w.imageOpacity = 255;
    w.imageBoundary = 0;
    w.imagePosition = 8;
    w.imageXOffset = 10;
    w.imageYOffset = 10;
    w.imageRotation = 0;
    w.imageSize = 0;
    w.imageScale = 10;

    s.advanced.filenameMask = "%filename%.%ext%";
    s.advanced.fileTimestamp = 0;
    s.advanced.customTimestamp = now;
    s.advanced.outFoldersHistory = 1;
    s.advanced.outFoldersNumber = 5;
    s.advanced.keepSubfolders = 1;

    s.file.recentOutFolders = "";
    s.file.recentFiles = "";

    s.privacy.cleanRecentFiles = 0;
}

Rgb HexToColor(const std::string& text) {
    if (text.size() != 6) return Rgb{};
    Rgb colour;
    colour.red = HexPair(text[0], text[1]);
    colour.green = HexPair(text[2], text[3]);
    colour.blue = HexPair(text[4], text[5]);
    return colour;
}

std::string ColorToHex(Rgb colour) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t part : {colour.red, colour.green, colour.blue}) {
        text += digits[part >> 4];
        text += digits[part & 0x0F];
    }
    return text;
}

std::int32_t LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm local {};
    if (localtime_r(&now, &local) == nullptr) return static_cast<std::int32_t>(now);
    return static_cast<std::int32_t>(now + local.tm_gmtoff);
}
