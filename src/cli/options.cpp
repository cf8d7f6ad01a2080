// The table of advanced options and the storing of their values into the settings record.
#include "cli/options.h"
#include "app/text.h"

#include <string_view>
#include <type_traits>

#include "cli/keywords.h"
#include "cli/value_readers.h"
#include "settings/settings.h"

namespace {
std::string StripOuterQuotes(const std::string& text) { return TrimChars(text, "\""); }

std::vector<AdvancedOption> BuildTable() {
    using F = OptionForm;
    auto& in = Settings.input;
    auto& out = Settings.output;
    auto& tr = Settings.transform;
    auto& adj = Settings.adjustment;
    auto& fr = Settings.frame;
    auto& wm = Settings.watermark;
    auto& adv = Settings.advanced;
    auto number = [](const char* name, std::int32_t* field, std::vector<OptionSwitch> switches = {}) {
        return AdvancedOption{name, F::Number, -1, field, std::move(switches)};
    };
    auto keyword = [](const char* name, int table, auto* field) {
        return AdvancedOption{name, F::Keyword, table, field, {}};
    };
    auto text = [](const char* name, std::string* field, std::vector<OptionSwitch> switches = {}) {
        return AdvancedOption{name, F::Text, -1, field, std::move(switches)};
    };
    auto flag = [](const char* name, std::vector<OptionSwitch> switches) {
        return AdvancedOption{name, F::Flag, -1, std::monostate{}, std::move(switches)};
    };
    const std::vector<OptionSwitch> resize = {{&tr.doImageResize, 1}};
    const std::vector<OptionSwitch> correction = {{&adj.doImageColorCorrection, 1}};
    const std::vector<OptionSwitch> frame = {{&fr.doFrame, 1}};

    std::vector<AdvancedOption> table = {
        keyword("--DDS-LOAD-AS", KwDdsLoadAs, &in.ddsLoadAs),
        keyword("--GIF-FRAME-LOADING", KwFrameLoading, &in.gifFrameLoading),
        keyword("--ICO-FRAME-LOADING", KwFrameLoading, &in.icoFrameLoading),
        keyword("--RAW-LOAD-AS", KwRawLoadAs, &in.rawLoadAs),
        number("--RAW-HEADER-SIZE", &in.rawHeaderSize),
        number("--RAW-WIDTH", &in.rawImageWidth),
        number("--RAW-HEIGHT", &in.rawImageHeight),
        keyword("--RAW-TONE-MAPPING", KwToneMapping, &in.rawToneMapping),
        keyword("--TIFF-FRAME-LOADING", KwFrameLoading, &in.tiffFrameLoading),
        number("--BMP-BPP", &out.bmpBpp),
        keyword("--BMP-COMPRESSION", KwCompression, &out.bmpCompression),
        keyword("--BMP-COLOR-TABLE", KwColorTable, &out.bmpColorTable),
        number("--DDS-BPP", &out.ddsBpp),
        number("--EXR-BPP", &out.exrBpp),
        keyword("--EXR-COMPRESSION", KwCompression, &out.exrCompression),
        number("--GIF-BPP", &out.gifBpp),
        number("--HDR-BPP", &out.hdrBpp),
        number("--ICO-BPP", &out.icoBpp),
        number("--J2K-BPP", &out.j2kBpp),
        number("--JNG-BPP", &out.jngBpp),
        number("--JP2-BPP", &out.jp2Bpp),
        number("--JPG-BPP", &out.jpgBpp),
        number("--JPG-QUALITY", &out.jpgQuality),
        keyword("--JPG-CHROMA", KwJpgChroma, &out.jpgChroma),
        keyword("--JPG-SAVE-AS", KwJpgSaveAs, &out.jpgSaveAs),
        number("--JXR-BPP", &out.jxrBpp),
        number("--PBM-BPP", &out.pbmBpp),
        number("--PCX-BPP", &out.pcxBpp),
        number("--PFM-BPP", &out.pfmBpp),
        number("--PGM-BPP", &out.pgmBpp),
        number("--PNG-BPP", &out.pngBpp),
        keyword("--PNG-COMPRESSION", KwCompression, &out.pngCompression),
        flag("--PNG-INTERLACED", {{&out.pngInterlaced, 1}}),
        number("--PPM-BPP", &out.ppmBpp),
        number("--PSD-BPP", &out.psdBpp),
        number("--TGA-BPP", &out.tgaBpp),
        keyword("--TGA-COMPRESSION", KwCompression, &out.tgaCompression),
        number("--TIFF-BPP", &out.tiffBpp),
        keyword("--TIFF-COMPRESSION", KwCompression, &out.tiffCompression),
        keyword("--TIFF-COLOR-MODEL", KwColorModel, &out.tiffColorModel),
        number("--WBMP-BPP", &out.wbmpBpp),
        number("--WEBP-BPP", &out.webpBpp),
        number("--XPM-BPP", &out.xpmBpp),
        keyword("--ROTATION-TYPE", KwRotationType, &tr.imageRotationType),
        number("--ROTATION", &tr.imageRotation, {{&tr.doImageRotation, 1}}),
        text("--ROTATION-BACK-COLOR", &tr.imageRotationBackColor),
        number("--WIDTH", &tr.imageWidth, resize),
        keyword("--WIDTH-UNIT", KwSizeUnit, &tr.imageWidthUnit),
        number("--HEIGHT", &tr.imageHeight, resize),
        keyword("--HEIGHT-UNIT", KwSizeUnit, &tr.imageHeightUnit),
        flag("--KEEP-ASPECT-RATIO", {{&tr.keepAspectRatio, 1}}),
        keyword("--RESIZE-TYPE", KwResizeType, &tr.imageResizeType),
        keyword("--RESIZE-ALGORITHM", KwResizeAlgorithm, &tr.imageResizeAlgorithm),
        flag("--FLIP-HORIZONTAL", {{&tr.doImageFlipHorizontal, 1}}),
        flag("--FLIP-VERTICAL", {{&tr.doImageFlipVertical, 1}}),
        number("--BRIGHTNESS", &adj.imageBrightness, correction),
        number("--CONTRAST", &adj.imageContrast, correction),
        AdvancedOption{"--GAMMA", F::Decimal, -1, &adj.imageGamma, correction},
        flag("--INVERT", {{&adj.imageInvert, 1}, {&adj.doImageColorCorrection, 1}}),
        flag("--GREYSCALE", {{&adj.doImageGreyscale, 1}}),
        number("--THRESHOLD", &adj.imageThreshold, {{&adj.doImageThreshold, 1}}),
        number("--FR-SOLID-LEFT", &fr.solidLeft, frame),
        number("--FR-SOLID-RIGHT", &fr.solidRight, frame),
        number("--FR-SOLID-TOP", &fr.solidTop, frame),
        number("--FR-SOLID-BOTTOM", &fr.solidBottom, frame),
        text("--FR-SOLID-LEFT-COLOR", &fr.solidLeftColor),
        text("--FR-SOLID-RIGHT-COLOR", &fr.solidRightColor),
        text("--FR-SOLID-TOP-COLOR", &fr.solidTopColor),
        text("--FR-SOLID-BOTTOM-COLOR", &fr.solidBottomColor),
        AdvancedOption{"--FR-SOLID-OPACITY", F::Number, -1, &fr.solidOpacity, {}, OptionPlace::CommandLineOnly},
        AdvancedOption{"--WM-SOLID-OPACITY", F::Number, -1, &fr.solidOpacity, {}, OptionPlace::ProfileOnly},
        text("--WM-TEXT", &wm.text, {{&wm.doWatermark, 1}}),
        text("--WM-FONT", &wm.font),
        number("--WM-FONT-SIZE", &wm.fontSize),
        number("--WM-FONT-LEADING", &wm.fontLeading),
        text("--WM-FONT-COLOR", &wm.fontColor),
        keyword("--WM-FONT-STYLE", KwFontStyle, &wm.fontStyle),
        keyword("--WM-FONT-EFFECT", KwFontEffect, &wm.fontEffect),
        flag("--WM-TEXT-ANTIALIASING", {{&wm.textAntialiasing, 1}}),
        keyword("--WM-TEXT-ALIGNMENT", KwTextAlignment, &wm.textAlignment),
        number("--WM-TEXT-PADDING", &wm.textPadding),
        number("--WM-TEXT-OPACITY", &wm.textOpacity),
        text("--WM-BACK-COLOR", &wm.backColor),
        number("--WM-BACK-OPACITY", &wm.backOpacity),
        keyword("--WM-TEXT-BOUNDARY", KwBoundary, &wm.textBoundary),
        keyword("--WM-TEXT-POSITION", KwPosition, &wm.textPosition),
        number("--WM-TEXT-X-OFFSET", &wm.textXOffset),
        number("--WM-TEXT-Y-OFFSET", &wm.textYOffset),
        number("--WM-TEXT-ROTATION", &wm.textRotation),
        keyword("--WM-TEXT-SIZE", KwSizeMode, &wm.textSize),
        text("--WM-IMAGE", &wm.image, {{&wm.doWatermark, 2}}),
        flag("--WM-IMAGE-GREYSCALE", {{&wm.imageGreyscale, 1}}),
        number("--WM-IMAGE-OPACITY", &wm.imageOpacity),
        keyword("--WM-IMAGE-BOUNDARY", KwBoundary, &wm.imageBoundary),
        keyword("--WM-IMAGE-POSITION", KwPosition, &wm.imagePosition),
        number("--WM-IMAGE-X-OFFSET", &wm.imageXOffset),
        number("--WM-IMAGE-Y-OFFSET", &wm.imageYOffset),
        number("--WM-IMAGE-ROTATION", &wm.imageRotation),
        keyword("--WM-IMAGE-SIZE", KwSizeMode, &wm.imageSize),
        text("--FILENAME-MASK", &adv.filenameMask),
        keyword("--FILE-TIMESTAMP", KwFileTimestamp, &adv.fileTimestamp),
        number("--FILE-TIMESTAMP-CUSTOM", &adv.customTimestamp),
        flag("--NO-SUBFOLDERS", {{&adv.keepSubfolders, 0}}),
    };
    return table;
}
}  // namespace

const std::vector<AdvancedOption>& AdvancedOptions() {
    static const std::vector<AdvancedOption> table = BuildTable();
    return table;
}

const AdvancedOption* FindAdvancedOption(const std::string& upperName, OptionSource source) {
    const OptionPlace excluded =
        source == OptionSource::CommandLine ? OptionPlace::ProfileOnly : OptionPlace::CommandLineOnly;
    for (const AdvancedOption& option : AdvancedOptions())
        if (option.place != excluded && upperName == option.name) return &option;
    return nullptr;
}

void ApplyAdvancedOption(const AdvancedOption& option, const std::string& value, OptionSource source) {
    const bool fromProfile = source == OptionSource::Profile;
    const std::string given = fromProfile ? TrimChars(value) : value;
    // Whole-number fields take either a keyword's code or a number.
    const std::int32_t whole = option.form == OptionForm::Keyword ? KeywordToCode(option.table, TrimChars(given))
                                                                   : ReadNumber(given);
    std::visit(
        [&](auto field) {
            using Field = std::remove_pointer_t<decltype(field)>;
            if constexpr (std::is_same_v<decltype(field), std::monostate>) {
                return;  // a flag: only its switches count
            } else if constexpr (std::is_same_v<Field, std::string>) {
                *field = fromProfile && std::string_view(option.name) == "--FILENAME-MASK"
                             ? StripOuterQuotes(given) : given;
            } else if constexpr (std::is_same_v<Field, float>) {
                *field = ReadDecimal(given);
            } else {
                *field = static_cast<Field>(whole);
            }
        },
        option.target);
    for (const OptionSwitch& setting : option.switches) *setting.field = setting.value;
}
