// The conversion settings record: every user-adjustable setting, one process-wide instance.
// Fields are grouped and named after their configuration group and key (Output/JPG Quality is
// Settings.output.jpgQuality). 8-bit fields are std::uint8_t, 32-bit ones std::int32_t, dates are
// seconds since 1970 in local time.
#pragma once

#include <cstdint>
#include <string>

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct ConversionSettings {
    struct General {
        std::int32_t cfg = 0;
        std::string language;
        std::int32_t updateRange = 0;
        std::int32_t updateDate = 0;
        std::uint8_t saveWindowPosition = 0;
    } general;

    struct Window {  // in memory: IsMaximized, X, Y, Width, Height
        std::uint8_t isMaximized = 0;
        std::int32_t x = 0, y = 0, width = 0, height = 0;
    } window;

    struct Interface {
        std::string uiTheme;
        std::int32_t uiSize = 0;
    } interface;

    struct Input {
        std::string format;
        std::int32_t ddsLoadAs = 0;
        std::int32_t gifFrameLoading = 0;
        std::int32_t icoFrameLoading = 0;
        std::int32_t tiffFrameLoading = 0;
        std::int32_t rawLoadAs = 0;
        std::int32_t rawHeaderSize = 0;
        std::int32_t rawImageWidth = 0;
        std::int32_t rawImageHeight = 0;
        std::int32_t rawToneMapping = 0;
    } input;

    struct Output {
        std::string format;
        std::int32_t bmpBpp = 0, bmpCompression = 0, bmpColorTable = 0;
        std::int32_t ddsBpp = 0;
        std::int32_t exrBpp = 0, exrCompression = 0;
        std::int32_t gifBpp = 0, hdrBpp = 0, icoBpp = 0, j2kBpp = 0, jngBpp = 0, jp2Bpp = 0;
        std::int32_t jpgBpp = 0, jpgQuality = 0, jpgChroma = 0, jpgSaveAs = 0;
        std::int32_t jxrBpp = 0, pbmBpp = 0, pcxBpp = 0, pfmBpp = 0, pgmBpp = 0;
        std::int32_t pngBpp = 0, pngCompression = 0;
        std::uint8_t pngInterlaced = 0;
        std::int32_t ppmBpp = 0, psdBpp = 0;
        std::int32_t tgaBpp = 0, tgaCompression = 0;
        std::int32_t tiffBpp = 0, tiffCompression = 0, tiffColorModel = 0;
        std::int32_t wbmpBpp = 0, webpBpp = 0, xpmBpp = 0;
    } output;

    struct Transform {
        std::uint8_t doImageRotation = 0;
        std::uint8_t imageRotationType = 0;
        std::int32_t imageRotation = 0;
        std::string imageRotationBackColor;
        std::uint8_t doImageResize = 0;
        std::int32_t imageWidth = 0;
        std::uint8_t imageWidthUnit = 0;
        std::int32_t imageHeight = 0;
        std::uint8_t imageHeightUnit = 0;
        std::uint8_t keepAspectRatio = 0;
        std::uint8_t imageResizeType = 0;
        std::uint8_t imageResizeAlgorithm = 0;
        std::uint8_t doImageFlipHorizontal = 0;
        std::uint8_t doImageFlipVertical = 0;
    } transform;

    struct Adjustment {
        std::uint8_t doImageColorCorrection = 0;
        std::int32_t imageBrightness = 0;
        std::int32_t imageContrast = 0;
        float imageGamma = 0.0f;
        std::uint8_t imageInvert = 0;
        std::uint8_t doImageGreyscale = 0;
        std::uint8_t doImageThreshold = 0;
        std::int32_t imageThreshold = 0;
    } adjustment;

    struct Frame {
        std::uint8_t doFrame = 0;
        std::int32_t solidLeft = 0, solidRight = 0, solidTop = 0, solidBottom = 0;
        std::string solidLeftColor, solidRightColor, solidTopColor, solidBottomColor;
        std::int32_t solidOpacity = 0;
    } frame;

    struct Watermark {
        std::uint8_t doWatermark = 0;
        std::string text;
        std::string fonts;
        std::string font;
        std::int32_t fontSize = 0;
        std::int32_t fontLeading = 0;
        std::string fontColors;
        std::string fontColor;
        std::uint8_t fontStyle = 0;
        std::uint8_t fontEffect = 0;
        std::uint8_t textAntialiasing = 0;
        std::uint8_t textAlignment = 0;
        std::int32_t textPadding = 0;
        std::int32_t textOpacity = 0;
        std::string backColors;
        std::string backColor;
        std::int32_t backOpacity = 0;
        std::uint8_t textBoundary = 0;
        std::uint8_t textPosition = 0;
        std::int32_t textXOffset = 0, textYOffset = 0;
        std::int32_t textRotation = 0;
        std::uint8_t textSize = 0;
        std::int32_t textScale = 0;
        std::string image;
        std::uint8_t imageGreyscale = 0;
        std::int32_t imageOpacity = 0;
        std::uint8_t imageBoundary = 0;
        std::uint8_t imagePosition = 0;
        std::int32_t imageXOffset = 0, imageYOffset = 0;
        std::int32_t imageRotation = 0;
        std::uint8_t imageSize = 0;
        std::int32_t imageScale = 0;
    } watermark;

    struct Advanced {
        std::string filenameMask;
        std::uint8_t fileTimestamp = 0;
        std::int32_t customTimestamp = 0;
        std::uint8_t outFoldersHistory = 0;
        std::uint8_t outFoldersNumber = 0;
        std::uint8_t keepSubfolders = 0;
    } advanced;

    struct File {
        std::string recentOutFolders;
        std::string recentFiles;
    } file;

    struct Privacy {
        std::uint8_t cleanRecentFiles = 0;
    } privacy;
};

extern ConversionSettings Settings;

// The maker's one-line notice, the default watermark text (uses the circled c sign).
extern const char* const MakerNotice;

// Fills every field with its default; forCommandLine only changes Transform/Keep Aspect Ratio
// (0 on the command line, 1 in window mode).
void ResetSettings(bool forCommandLine);

// The primary desktop's size, for the centred default position of the main window. Until window
// mode tells it (or for a size of 0), the default position is 100, 100.
void SetDesktopSizeForDefaults(int width, int height);

// Six hexadecimal digits to a colour; any text that is not six characters long is black.
Rgb HexToColor(const std::string& text);
// A colour to six upper-case hexadecimal digits.
std::string ColorToHex(Rgb colour);

// Seconds since 1970 in the local-time convention used for dates ("now").
std::int32_t LocalNow();
