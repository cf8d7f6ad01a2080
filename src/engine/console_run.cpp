// The console conversion run: checks the input, the output folder and the settings, prints the
// debug listing, queues the input, runs the worker and prints the outcome.
#include "engine/console_run.h"
#include "app/text.h"

#include <unistd.h>

#include <climits>
#include <cstdio>

#include "app/platform.h"
#include "cli/keywords.h"
#include "engine/drawing.h"
#include "engine/format_tables.h"
#include "engine/input_files.h"
#include "engine/job.h"
#include "engine/output_depth.h"
#include "engine/steps.h"
#include "engine/worker.h"
#include "settings/settings.h"
#include "settings/texts.h"

namespace {

// The text after the last "." of the file name (the part after the last "/"), or empty.
std::string NameExtension(const std::string& path) {
    const std::string name = path.substr(path.rfind('/') + 1);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? "" : name.substr(dot + 1);
}

std::string CurrentDirectory() {
    char buffer[PATH_MAX];
    if (!getcwd(buffer, sizeof buffer)) return "./";
    std::string folder = buffer;
    if (folder.back() != '/') folder += '/';
    return folder;
}

std::string TwoDecimals(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return text;
}

std::string Num(long long value) { return std::to_string(value); }

// Prints "Error: " lines and ends the run early.
int Fail(const std::string& reason) {
    PrintLine("Error: " + reason);
    return 0;
}

// Frees the watermark font on every way out once it was loaded.
struct FontRelease {
    bool loaded = false;
    ~FontRelease() {
        if (loaded) FreeWatermarkFont();
    }
};

}  // namespace

int RunConsoleConversion(bool quiet) {
    const bool debug = Job.debugWord == "DEBUG";
    auto Debug = [debug](const std::string& line) {
        if (debug) PrintLine(line);
    };
    auto Say = [quiet](const std::string& line) {
        if (!quiet) PrintLine(line);
    };
    const ConversionSettings& s = Settings;

    Say(GetText("General", "Preparing"));
    Debug("Input: " + Job.commandLineInput);

    // The input.
    if (NameExtension(Job.commandLineInput).empty()) {
        Job.commandLineInput.clear();
        return Fail("Invalid input file");
    }
    Job.inputPath = Job.commandLineInput;
    Job.commandLineInput.clear();
    if (FileSize(Job.inputPath) <= 0) return Fail("Invalid input file");

    // The output folder. Without -o the output goes beside the input, whose folder is taken
    // against the current directory; an explicit relative folder is below the program folder.
    if (Job.currentOutputFolder.empty()) {
        const std::string inputFolder = Job.inputPath.substr(0, Job.inputPath.rfind('/') + 1);
        Job.currentOutputFolder = inputFolder.starts_with("/") ? inputFolder : CurrentDirectory() + inputFolder;
    }
    Debug("Output: " + Job.currentOutputFolder);
    if (Job.currentOutputFolder.starts_with("..")) return Fail("Incorrect output folder");
    if (!Job.currentOutputFolder.starts_with("/")) {
        std::string relative = Job.currentOutputFolder;
        if (relative.starts_with("./")) relative.erase(0, 2);
        Job.currentOutputFolder = Job.programFolder + relative;
    }
    if (Job.currentOutputFolder.back() != '/') Job.currentOutputFolder += '/';
    if (FileSize(Job.currentOutputFolder) != -2) return Fail("Invalid output folder");

    // The output format and its settings.
    if (Job.outputExtension.empty()) Job.outputExtension = OutputFormatList.empty() ? "jpg" : OutputFormatList.front();
    Debug("Conversion: " + Job.outputExtension);
    if (!IsOutputFormat(Job.outputExtension)) return Fail("Invalid conversion type");
    Debug("JPG BPP: " + Num(s.output.jpgBpp));
    Debug("JPG Quality: " + Num(s.output.jpgQuality));
    Debug("JPG Chroma Subsampling: " + KeywordForCode(KwJpgChroma, s.output.jpgChroma));
    Debug("JPG Save As: " + KeywordForCode(KwJpgSaveAs, s.output.jpgSaveAs));
    if (!IsDepthAllowed("jpg", s.output.jpgBpp)) return Fail("Invalid jpg-bpp value");
    if (s.output.jpgQuality < 1 || s.output.jpgQuality > 100) return Fail("Invalid jpg-quality value");

    // Transforms.
    const auto& t = s.transform;
    if (t.doImageRotation) {
        Debug("Image Rotation Type: " + KeywordForCode(KwRotationType, t.imageRotationType));
        Debug("Image Rotation: " + Num(t.imageRotation));
        Debug("Image Rotation Back Color: " + t.imageRotationBackColor);
    }
    if (t.doImageResize) {
        Debug("Width: " + Num(t.imageWidth) + " " + KeywordForCode(KwSizeUnit, t.imageWidthUnit));
        if (t.imageWidth == 0) return Fail("Invalid width value");
        Debug("Height: " + Num(t.imageHeight) + " " + KeywordForCode(KwSizeUnit, t.imageHeightUnit));
        if (t.imageHeight == 0) return Fail("Invalid height value");
        Debug("Keep Aspect Ratio: " + Num(t.keepAspectRatio));
        Debug("Image Resize Type: " + KeywordForCode(KwResizeType, t.imageResizeType));
        Debug("Image Resize Algorithm: " + KeywordForCode(KwResizeAlgorithm, t.imageResizeAlgorithm));
    }
    Debug("Flip Horizontal: " + Num(t.doImageFlipHorizontal));
    Debug("Flip Vertical: " + Num(t.doImageFlipVertical));

    // Colour steps.
    const auto& a = s.adjustment;
    if (a.doImageColorCorrection) {
        Debug("Brightness: " + Num(a.imageBrightness));
        if (a.imageBrightness < -100 || a.imageBrightness > 100) return Fail("Invalid brightness value");
        Debug("Contrast: " + Num(a.imageContrast));
        if (a.imageContrast < -100 || a.imageContrast > 100) return Fail("Invalid contrast value");
        Debug("Gamma: " + TwoDecimals(a.imageGamma));
        // Written as "not inside" so that a NaN gamma is refused too.
        if (!(a.imageGamma >= 0.01f && a.imageGamma <= 9.99f)) return Fail("Invalid gamma value");
        Debug("Invert: " + Num(a.imageInvert));
    }
    Debug("Greyscale: " + Num(a.doImageGreyscale));
    if (a.doImageThreshold) Debug("Image Threshold: " + Num(a.imageThreshold));

    // Frame.
    const auto& f = s.frame;
    Debug("Frame: " + KeywordForCode(KwFrameType, f.doFrame));
    if (f.doFrame == 1) {
        Debug("Frame left: " + Num(f.solidLeft));
        Debug("Frame right: " + Num(f.solidRight));
        Debug("Frame top: " + Num(f.solidTop));
        Debug("Frame bottom: " + Num(f.solidBottom));
        Debug("Frame left color: " + f.solidLeftColor);
        Debug("Frame right color: " + f.solidRightColor);
        Debug("Frame top color: " + f.solidTopColor);
        Debug("Frame bottom color: " + f.solidBottomColor);
        Debug("Frame opacity: " + Num(f.solidOpacity));
    }
    // Frames and watermarks are drawn by the Qt module; without it nothing can be converted.
    if (f.doFrame != 0 || s.watermark.doWatermark != 0) {
        std::string why;
        if (!DrawingAvailable(why)) return Fail("Drawing module not available: " + why);
    }

    // Watermark. Text and picture stamps share the lines that say where the stamp goes.
    const auto& w = s.watermark;
    auto DebugPlacement = [&Debug](int boundary, int position, int x, int y, int rotation, int size) {
        Debug("Watermark boundary: " + KeywordForCode(KwBoundary, boundary));
        Debug("Watermark position: " + KeywordForCode(KwPosition, position));
        Debug("Watermark offset (x/y): " + Num(x) + "/" + Num(y));
        Debug("Watermark rotation: " + Num(rotation));
        Debug("Watermark size/mode: " + KeywordForCode(KwSizeMode, size));
    };
    FontRelease font;
    Debug("Watermark: " + KeywordForCode(KwWatermarkType, w.doWatermark));
    if (w.doWatermark == 1) {
        Debug("Watermark text: " + w.text);
        Debug("Watermark font: " + w.font);
        Debug("Watermark font size: " + Num(w.fontSize));
        Debug("Watermark font leading: " + Num(w.fontLeading));
        Debug("Watermark font color: " + w.fontColor);
        Debug("Watermark font style: " + KeywordForCode(KwFontStyle, w.fontStyle));
        Debug("Watermark font effect: " + KeywordForCode(KwFontEffect, w.fontEffect));
        Debug("Watermark text antialiasing: " + Num(w.textAntialiasing));
        Debug("Watermark text alignment: " + KeywordForCode(KwTextAlignment, w.textAlignment));
        Debug("Watermark text padding: " + Num(w.textPadding));
        Debug("Watermark text opacity: " + Num(w.textOpacity));
        Debug("Watermark background color: " + w.backColor);
        Debug("Watermark background opacity: " + Num(w.backOpacity));
        DebugPlacement(w.textBoundary, w.textPosition, w.textXOffset, w.textYOffset, w.textRotation, w.textSize);
        font.loaded = LoadWatermarkFont();
        if (!font.loaded) return Fail("Invalid watermark font");
    } else if (w.doWatermark == 2) {
        Debug("Watermark image: " + w.image);
        Debug("Watermark greyscale: " + Num(w.imageGreyscale));
        Debug("Watermark opacity: " + Num(w.imageOpacity));
        DebugPlacement(w.imageBoundary, w.imagePosition, w.imageXOffset, w.imageYOffset, w.imageRotation,
                       w.imageSize);
        if (FileSize(w.image) <= 0) return Fail("Invalid watermark image");
    }

    // Naming and timestamps.
    const auto& adv = s.advanced;
    Debug("Filename Mask: " + adv.filenameMask);
    Debug("File Timestamp: " + KeywordForCode(KwFileTimestamp, adv.fileTimestamp));
    if (adv.fileTimestamp == 2) Debug("Custom Timestamp: " + Num(adv.customTimestamp));
    Debug("Keep Subfolders: " + Num(adv.keepSubfolders));

    PrepareOutput();

    // Queue the input; a list file names no picture and queues nothing.
    Say(GetText("General", "Importing"));
    ResetProgress();
    const std::string extension = AsciiLower(NameExtension(Job.inputPath));
    std::int32_t queued = 0;
    if (extension != "txt" && extension != "lst") queued = AddInputFile(Job.inputPath) ? 1 : 0;
    Say(FormatText(GetText("Msg", "Import complete"), Num(queued)));
    if (queued == 0) {
        PrintLine(GetText("Msg", "Conversion is not complete"));
        PrintLine(GetText("Msg", "Empty input files"));
        return 0;
    }

    Say(GetText("General", "Converting"));
    std::thread worker = StartConversionWorker();
    worker.join();
    std::int32_t converted = 0;
    {
        std::lock_guard lock(Progress.mutex);
        converted = Progress.convertedCount;
    }
    if (converted > 0) {
        Say(GetText("Msg", "Conversion complete"));
        Say(FormatText(GetText("Msg", "Files converted"), Num(converted), Num(queued)));
    } else {
        PrintLine(GetText("Msg", "Conversion is not complete"));
    }
    return 0;
}
