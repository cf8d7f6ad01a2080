// Reads and writes config.ini: one table binds every group/key to its field of the settings
// record, in the order the file is written, with a tag for the per-format keys that are written
// only for formats on the offered format lists.
#include "settings/configuration.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/startup.h"
#include "engine/format_tables.h"
#include "settings/ini_file.h"
#include "settings/settings.h"

namespace {

// The layout version this program writes.
constexpr std::int32_t kConfigurationVersion = 17;

using FieldRef = std::variant<std::int32_t*, std::uint8_t*, std::string*, float*>;

struct Binding {
    const char* group;
    const char* key;
    const char* format;  // per-format key: written only when this format is on its list
    FieldRef field;
};

const std::vector<Binding>& Bindings() {
    ConversionSettings& s = Settings;
    auto& g = s.general;
    auto& w = s.window;
    auto& in = s.input;
    auto& o = s.output;
    auto& t = s.transform;
    auto& a = s.adjustment;
    auto& f = s.frame;
    auto& m = s.watermark;
    auto& v = s.advanced;
    static const std::vector<Binding> bindings = {
        {"General", "CFG", nullptr, &g.cfg},
        {"General", "Language", nullptr, &g.language},
        {"General", "Update Range", nullptr, &g.updateRange},
        {"General", "Update Date", nullptr, &g.updateDate},
        {"General", "Save Window Position", nullptr, &g.saveWindowPosition},

        {"Window", "IsMaximized", nullptr, &w.isMaximized},
        {"Window", "Width", nullptr, &w.width},
        {"Window", "Height", nullptr, &w.height},
        {"Window", "X", nullptr, &w.x},
        {"Window", "Y", nullptr, &w.y},

        {"Interface", "UI Theme", nullptr, &s.interface.uiTheme},
        {"Interface", "UI Size", nullptr, &s.interface.uiSize},

        {"Input", "Format", nullptr, &in.format},
        {"Input", "DDS Load As", "dds", &in.ddsLoadAs},
        {"Input", "GIF Frame Loading", "gif", &in.gifFrameLoading},
        {"Input", "ICO Frame Loading", "ico", &in.icoFrameLoading},
        {"Input", "TIFF Frame Loading", "tiff", &in.tiffFrameLoading},
        {"Input", "RAW Load As", "raw", &in.rawLoadAs},
        {"Input", "RAW Header Size", "raw", &in.rawHeaderSize},
        {"Input", "RAW Image Width", "raw", &in.rawImageWidth},
        {"Input", "RAW Image Height", "raw", &in.rawImageHeight},
        {"Input", "RAW Tone Mapping", "raw", &in.rawToneMapping},

        {"Output", "Format", nullptr, &o.format},
        {"Output", "BMP BPP", "bmp", &o.bmpBpp},
        {"Output", "BMP Compression", "bmp", &o.bmpCompression},
        {"Output", "BMP Color Table", "bmp", &o.bmpColorTable},
        {"Output", "DDS BPP", "dds", &o.ddsBpp},
        {"Output", "EXR BPP", "exr", &o.exrBpp},
        {"Output", "EXR Compression", "exr", &o.exrCompression},
        {"Output", "GIF BPP", "gif", &o.gifBpp},
        {"Output", "HDR BPP", "hdr", &o.hdrBpp},
        {"Output", "ICO BPP", "ico", &o.icoBpp},
        {"Output", "J2K BPP", "j2k", &o.j2kBpp},
        {"Output", "JNG BPP", "jng", &o.jngBpp},
        {"Output", "JP2 BPP", "jp2", &o.jp2Bpp},
        {"Output", "JPG BPP", "jpg", &o.jpgBpp},
        {"Output", "JPG Quality", "jpg", &o.jpgQuality},
        {"Output", "JPG Chroma", "jpg", &o.jpgChroma},
        {"Output", "JPG Save As", "jpg", &o.jpgSaveAs},
        {"Output", "JXR BPP", "jxr", &o.jxrBpp},
        {"Output", "PBM BPP", "pbm", &o.pbmBpp},
        {"Output", "PCX BPP", "pcx", &o.pcxBpp},
        {"Output", "PFM BPP", "pfm", &o.pfmBpp},
        {"Output", "PGM BPP", "pgm", &o.pgmBpp},
        {"Output", "PNG BPP", "png", &o.pngBpp},
        {"Output", "PNG Compression", "png", &o.pngCompression},
        {"Output", "PNG Interlaced", "png", &o.pngInterlaced},
        {"Output", "PPM BPP", "ppm", &o.ppmBpp},
        {"Output", "PSD BPP", "psd", &o.psdBpp},
        {"Output", "TGA BPP", "tga", &o.tgaBpp},
        {"Output", "TGA Compression", "tga", &o.tgaCompression},
        {"Output", "TIFF BPP", "tiff", &o.tiffBpp},
        {"Output", "TIFF Compression", "tiff", &o.tiffCompression},
        {"Output", "TIFF Color Model", "tiff", &o.tiffColorModel},
        {"Output", "WBMP BPP", "wbmp", &o.wbmpBpp},
        {"Output", "WEBP BPP", "webp", &o.webpBpp},
        {"Output", "XPM BPP", "xpm", &o.xpmBpp},

        {"Transform", "Do Image Rotation", nullptr, &t.doImageRotation},
        {"Transform", "Image Rotation Type", nullptr, &t.imageRotationType},
        {"Transform", "Image Rotation", nullptr, &t.imageRotation},
        {"Transform", "Image Rotation Back Color", nullptr, &t.imageRotationBackColor},
        {"Transform", "Do Image Resize", nullptr, &t.doImageResize},
        {"Transform", "Image Width", nullptr, &t.imageWidth},
        {"Transform", "Image Width Unit", nullptr, &t.imageWidthUnit},
        {"Transform", "Image Height", nullptr, &t.imageHeight},
        {"Transform", "Image Height Unit", nullptr, &t.imageHeightUnit},
        {"Transform", "Keep Aspect Ratio", nullptr, &t.keepAspectRatio},
        {"Transform", "Image Resize Type", nullptr, &t.imageResizeType},
        {"Transform", "Image Resize Algorithm", nullptr, &t.imageResizeAlgorithm},
        {"Transform", "Do Image Flip Horizontal", nullptr, &t.doImageFlipHorizontal},
        {"Transform", "Do Image Flip Vertical", nullptr, &t.doImageFlipVertical},

        {"Adjustment", "Do Image Color Correction", nullptr, &a.doImageColorCorrection},
        {"Adjustment", "Image Brightness", nullptr, &a.imageBrightness},
        {"Adjustment", "Image Contrast", nullptr, &a.imageContrast},
        {"Adjustment", "Image Gamma", nullptr, &a.imageGamma},
        {"Adjustment", "Image Invert", nullptr, &a.imageInvert},
        {"Adjustment", "Do Image Greyscale", nullptr, &a.doImageGreyscale},
        {"Adjustment", "Do Image Threshold", nullptr, &a.doImageThreshold},
        {"Adjustment", "Image Threshold", nullptr, &a.imageThreshold},

        {"Frame", "Do Frame", nullptr, &f.doFrame},
        {"Frame", "Solid Left", nullptr, &f.solidLeft},
        {"Frame", "Solid Right", nullptr, &f.solidRight},
        {"Frame", "Solid Top", nullptr, &f.solidTop},
        {"Frame", "Solid Bottom", nullptr, &f.solidBottom},
        {"Frame", "Solid Left Color", nullptr, &f.solidLeftColor},
        {"Frame", "Solid Right Color", nullptr, &f.solidRightColor},
        {"Frame", "Solid Top Color", nullptr, &f.solidTopColor},
        {"Frame", "Solid Bottom Color", nullptr, &f.solidBottomColor},
        {"Frame", "Solid Opacity", nullptr, &f.solidOpacity},

        {"Watermark", "Do Watermark", nullptr, &m.doWatermark},
        {"Watermark", "Text", nullptr, &m.text},
        {"Watermark", "Fonts", nullptr, &m.fonts},
        {"Watermark", "Font", nullptr, &m.font},
        {"Watermark", "Font Size", nullptr, &m.fontSize},
        {"Watermark", "Font Leading", nullptr, &m.fontLeading},
        {"Watermark", "Font Colors", nullptr, &m.fontColors},
        {"Watermark", "Font Color", nullptr, &m.fontColor},
        {"Watermark", "Font Style", nullptr, &m.fontStyle},
        {"Watermark", "Font Effect", nullptr, &m.fontEffect},
        {"Watermark", "Text Antialiasing", nullptr, &m.textAntialiasing},
        {"Watermark", "Text Alignment", nullptr, &m.textAlignment},
        {"Watermark", "Text Padding", nullptr, &m.textPadding},
        {"Watermark", "Text Opacity", nullptr, &m.textOpacity},
        {"Watermark", "Back Colors", nullptr, &m.backColors},
        {"Watermark", "Back Color", nullptr, &m.backColor},
        {"Watermark", "Back Opacity", nullptr, &m.backOpacity},
        {"Watermark", "Text Boundary", nullptr, &m.textBoundary},
        {"Watermark", "Text Position", nullptr, &m.textPosition},
        {"Watermark", "Text X Offset", nullptr, &m.textXOffset},
        {"Watermark", "Text Y Offset", nullptr, &m.textYOffset},
        {"Watermark", "Text Rotation", nullptr, &m.textRotation},
        {"Watermark", "Text Size", nullptr, &m.textSize},
        {"Watermark", "Text Scale", nullptr, &m.textScale},
        {"Watermark", "Image", nullptr, &m.image},
        {"Watermark", "Image Greyscale", nullptr, &m.imageGreyscale},
        {"Watermark", "Image Opacity", nullptr, &m.imageOpacity},
        {"Watermark", "Image Boundary", nullptr, &m.imageBoundary},
        {"Watermark", "Image Position", nullptr, &m.imagePosition},
        {"Watermark", "Image X Offset", nullptr, &m.imageXOffset},
        {"Watermark", "Image Y Offset", nullptr, &m.imageYOffset},
        {"Watermark", "Image Rotation", nullptr, &m.imageRotation},
        {"Watermark", "Image Size", nullptr, &m.imageSize},
        {"Watermark", "Image Scale", nullptr, &m.imageScale},

        {"Advanced", "Filename Mask", nullptr, &v.filenameMask},
        {"Advanced", "File Timestamp", nullptr, &v.fileTimestamp},
        {"Advanced", "Custom Timestamp", nullptr, &v.customTimestamp},
        {"Advanced", "Out Folders History", nullptr, &v.outFoldersHistory},
        {"Advanced", "Out Folders Number", nullptr, &v.outFoldersNumber},
        {"Advanced", "Keep Subfolders", nullptr, &v.keepSubfolders},

        {"File", "Recent Out Folders", nullptr, &s.file.recentOutFolders},
        {"File", "Recent Files", nullptr, &s.file.recentFiles},

        {"Privacy", "Clean Recent Files", nullptr, &s.privacy.cleanRecentFiles},
    };
    return bindings;
}

// An optional sign and the digits that follow it; anything else ends the number, and a value
// without leading digits is 0. Values beyond the 32-bit range are held at its ends.
std::int32_t ReadInteger(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{1} << 32;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) value = kLimit;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

// A decimal fraction, independent of the process locale; unreadable or non-finite text is 0.
float ReadFraction(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                  std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0.0f;
    return static_cast<float>(value);
}

std::string WriteFraction(float value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                std::chars_format::fixed, 6);
    if (result.ec != std::errc()) return "0.000000";
    return std::string(buffer, result.ptr);
}

void ReadValue(const FieldRef& field, const std::string& text) {
    if (auto p = std::get_if<std::int32_t*>(&field)) {
        **p = ReadInteger(text);
    } else if (auto p = std::get_if<std::uint8_t*>(&field)) {
        **p = static_cast<std::uint8_t>(static_cast<std::uint32_t>(ReadInteger(text)) & 0xFF);
    } else if (auto p = std::get_if<std::string*>(&field)) {
        **p = text;
    } else if (auto p = std::get_if<float*>(&field)) {
        **p = ReadFraction(text);
    }
}

void WriteValue(IniWriter& writer, const char* key, const FieldRef& field) {
    if (auto p = std::get_if<std::int32_t*>(&field)) {
        writer.Write(key, static_cast<long long>(**p));
    } else if (auto p = std::get_if<std::uint8_t*>(&field)) {
        writer.Write(key, static_cast<long long>(**p));
    } else if (auto p = std::get_if<std::string*>(&field)) {
        writer.Write(key, std::string_view(**p));
    } else if (auto p = std::get_if<float*>(&field)) {
        writer.Write(key, std::string_view(WriteFraction(**p)));
    }
}

void ApplyUpgrades() {
    const std::int32_t version = Settings.general.cfg;
    if (version < 11 && Settings.advanced.filenameMask.find("%ext%") == std::string::npos) {
        Settings.advanced.filenameMask += ".%ext%";
    }
    if (version < 14 && Settings.input.rawLoadAs != 0) Settings.input.rawLoadAs += 2;
}

const char* const kGroupOrder[] = {"General",  "Window", "Interface", "Input",
                                   "Output",   "Transform", "Adjustment", "Frame",
                                   "Watermark", "Advanced", "File", "Privacy"};

}  // namespace

void LoadConfiguration() {
    IniDocument document;
    if (!ReadIniFile(ConfigurationPath, document)) {
        ResetSettings(false);
        ApplyUpgrades();
        return;
    }

    // Fallbacks for missing keys: the window defaults, except these.
    ResetSettings(false);
    Settings.general.cfg = 0;
    Settings.window.x = 100;
    Settings.window.y = 100;

    for (const char* groupName : kGroupOrder) {
        const IniGroup* group = FindIniGroup(document, groupName);
        if (group == nullptr) continue;
        for (const Binding& binding : Bindings()) {
            if (std::string_view(binding.group) != groupName) continue;
            if (const IniEntry* entry = FindIniEntry(*group, binding.key)) {
                ReadValue(binding.field, entry->value);
            }
        }
    }
    ApplyUpgrades();
}

void SaveConfiguration() {
    const bool writeWindow = Settings.general.saveWindowPosition == 1;
    IniWriter writer;
    for (const char* groupName : kGroupOrder) {
        const std::string_view group = groupName;
        // Per-format keys follow their list's order, so walk the list and pick them per format.
        const std::vector<std::string>* formats = nullptr;
        if (group == "Input") formats = &InputFormatList;
        if (group == "Output") formats = &OutputFormatList;

        writer.BeginGroup(group);
        for (const Binding& binding : Bindings()) {
            if (group != binding.group || binding.format != nullptr) continue;
            if (group == "Window" && !writeWindow) continue;
            if (group == "General" && std::string_view(binding.key) == "CFG") {
                writer.Write(binding.key, static_cast<long long>(kConfigurationVersion));
                continue;
            }
            WriteValue(writer, binding.key, binding.field);
        }
        if (formats != nullptr) {
            for (const std::string& format : *formats) {
                for (const Binding& binding : Bindings()) {
                    if (group == binding.group && binding.format != nullptr &&
                        format == binding.format) {
                        WriteValue(writer, binding.key, binding.field);
                    }
                }
            }
        }
        writer.EndGroup();
    }
    writer.SaveTo(ConfigurationPath);
}
