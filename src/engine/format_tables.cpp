// The output format table, the input extension table, the offered format lists and the checks
// and texts derived from them (depth checks, automatic depth, allowed inputs, open-file filter).
#include "engine/format_tables.h"

#include <FreeImage.h>

#include <cstddef>

std::map<std::string, OutputFormatInfo> OutputFormatTable;
std::map<std::string, InputExtensionInfo> InputExtensionTable;
std::vector<std::string> InputFormatList;
std::vector<std::string> OutputFormatList;
std::vector<std::string> AllowedInputExtensionList;

namespace {

// The depths text "8,24" as numbers in their written order.
std::vector<int> SplitDepths(const std::string& depths) {
    std::vector<int> numbers;
    std::size_t start = 0;
    while (start < depths.size()) {
        std::size_t comma = depths.find(',', start);
        if (comma == std::string::npos) comma = depths.size();
        int value = 0;
        for (std::size_t i = start; i < comma && depths[i] >= '0' && depths[i] <= '9'; ++i) {
            value = value * 10 + (depths[i] - '0');
        }
        numbers.push_back(value);
        start = comma + 1;
    }
    return numbers;
}

void AddInputRows(const char* group, const char* description,
                  std::initializer_list<const char*> keys) {
    for (const char* key : keys) InputExtensionTable[key] = InputExtensionInfo{group, description};
}

}  // namespace

void CreateFormatLists() {
    InputFormatList = {"pcx"};
    OutputFormatList = {"jpg"};
}

void FillInputExtensionTable() {
    InputExtensionTable.clear();
    AddInputRows("bmp", "Windows or OS/2 Bitmap", {"bmp", "rle", "dib"});
    AddInputRows("dds", "DirectDraw Surface File", {"dds"});
    AddInputRows("emf", "Enhanced Metafile Format", {"emf", "emz"});
    AddInputRows("gif", "GIF File", {"gif"});
    AddInputRows("hdr", "High Dynamic Range File", {"hdr", "hdri"});
    AddInputRows("ico", "Windows Icon", {"ico"});
    AddInputRows("jpg", "JPEG File", {"jpg", "jpeg", "jpe", "jif"});
    AddInputRows("pcd", "Kodak PhotoCD File", {"pcd", "pcd1", "pcds", "ppcd"});
    AddInputRows("pcx", "ZSoft Paintbrush File", {"pcx"});
    AddInputRows("pic", "Macintosh PICT", {"pic", "pict", "pct"});
    AddInputRows("png", "Portable Network Graphics", {"png"});
    AddInputRows("psd", "Adobe Photoshop File", {"psd"});
    AddInputRows("tga", "Truevision Targa", {"tga", "targa"});
    AddInputRows("tiff", "Tagged Image File Format", {"tiff", "tif"});
    AddInputRows("wmf", "Windows Metafile Format", {"wmf", "wmz"});
    AddInputRows("wmf", "Aldus Placeable Metafile", {"apm"});
    AddInputRows("raw", "Camera RAW Image", {"raw", "raw1", "raw2"});
    AddInputRows("raw", "Hasselblad Camera RAW Image", {"3fr"});
    AddInputRows("raw", "Sony Camera RAW Image", {"arw", "sr2", "srf"});
    AddInputRows("raw", "Casio Camera RAW Image", {"bay"});
    AddInputRows("raw", "NuCore RAW Image", {"bmq"});
    AddInputRows("raw", "Phase One Camera RAW Image", {"cap", "iiq", "eip"});
    AddInputRows("raw", "Phantom RAW Image", {"cine"});
    AddInputRows("raw", "Canon Camera RAW Image", {"cr2", "crw"});
    AddInputRows("raw", "Capture Shop RAW Image", {"cs1"});
    AddInputRows("raw", "Kodak Camera RAW Image",
                 {"dc2", "dcr", "drf", "dsc", "k25", "kc2", "kdc", "dcs"});
    AddInputRows("raw", "Adobe Digital Negative Image", {"dng"});
    AddInputRows("raw", "Epson Camera RAW Image", {"erf"});
    AddInputRows("raw", "Imacon Camera RAW Image", {"fff"});
    AddInputRows("raw", "Sinar RAW Image", {"ia", "sti"});
    AddInputRows("raw", "Minolta Camera RAW Image", {"mdc", "mrw"});
    AddInputRows("raw", "Mamiya Camera RAW Image", {"mef", "mos"});
    AddInputRows("raw", "Nikon Camera RAW Image", {"nef", "nrw"});
    AddInputRows("raw", "Olympus Camera RAW Image", {"orf"});
    AddInputRows("raw", "Pentax Camera RAW Image", {"pef", "ptx"});
    AddInputRows("raw", "Logitech Camera RAW Image", {"pxn"});
    AddInputRows("raw", "Apple Quicktake Camera RAW Image", {"qtk"});
    AddInputRows("raw", "Fuji Camera RAW Image", {"raf"});
    AddInputRows("raw", "Digital Foto Maker RAW Image", {"rdc"});
    AddInputRows("raw", "Panasonic Camera RAW Image", {"rw2"});
    AddInputRows("raw", "Rawzor Camera RAW Image", {"rwz"});
    AddInputRows("raw", "Sigma Camera RAW Image", {"x3f"});
    AddInputRows("raw", "ARRI RAW Image", {"ari"});
    AddInputRows("raw", "RED RAW Image", {"r3d"});
    AddInputRows("raw", "Leica Camera RAW Image", {"rwl"});
}

void FillOutputFormatTable() {
    struct Row {
        int fif;
        const char* extension;
        const char* description;
        const char* depths;
    };
    static const Row rows[] = {
        {FIF_BMP, "bmp", "Windows or OS/2 Bitmap", "1,4,8,16,24,32"},
        {FIF_EXR, "exr", "ILM OpenEXR", "96"},
        {FIF_GIF, "gif", "Graphics Interchange Format", "8"},
        {FIF_HDR, "hdr", "High Dynamic Range Image", "96"},
        {FIF_ICO, "ico", "Windows Icon", "1,4,8,16,24,32"},
        {FIF_J2K, "j2k", "JPEG-2000 Codestream", "8,24,32,48"},
        {FIF_JNG, "jng", "JPEG Network Graphics", "24,32"},
        {FIF_JP2, "jp2", "JPEG-2000 File Format", "8,24,32,48"},
        {FIF_JPEG, "jpg", "JPEG File Format", "8,24"},
        {FIF_JXR, "jxr", "JPEG XR Image Format", "1,8,16,24,32,48,96"},
        {FIF_PBM, "pbm", "Portable Bitmap", "1"},
        {FIF_PFM, "pfm", "Portable Floatmap", "96"},
        {FIF_PGM, "pgm", "Portable Greymap", "8"},
        {FIF_PNG, "png", "Portable Network Graphics", "1,4,8,24,32,48"},
        {FIF_PPM, "ppm", "Portable Pixelmap", "24,48"},
        {FIF_TARGA, "tga", "Truevision Targa", "8,16,24,32"},
        {FIF_TIFF, "tiff", "Tagged Image File Format", "1,4,8,24,32,48,96"},
        {FIF_WBMP, "wbmp", "Wireless Bitmap", "1"},
        {FIF_WEBP, "webp", "Google WebP Image Format", "24,32"},
        {FIF_XPM, "xpm", "X11 Pixmap Format", "24"},
    };
    OutputFormatTable.clear();
    for (const Row& row : rows) {
        OutputFormatTable[row.extension] =
            OutputFormatInfo{row.fif, row.extension, row.description, row.depths};
    }
}

OutputFormatInfo LookupOutputFormat(const std::string& extension) {
    auto found = OutputFormatTable.find(extension);
    return found == OutputFormatTable.end() ? OutputFormatInfo{} : found->second;
}

bool IsOutputFormat(const std::string& extension) {
    for (const std::string& entry : OutputFormatList) {
        if (entry == extension) return true;
    }
    return false;
}

bool IsDepthAllowed(const std::string& extension, int depth) {
    if (depth == 0) return true;
    for (int allowed : SplitDepths(LookupOutputFormat(extension).depths)) {
        if (allowed == depth) return true;
    }
    return false;
}

int AutoDepth(const std::string& extension, int sourceDepth) {
    std::vector<int> depths = SplitDepths(LookupOutputFormat(extension).depths);
    if (depths.empty()) return 0;
    for (int depth : depths) {
        if (depth >= sourceDepth) return depth;
    }
    return depths.back();
}

void BuildAllowedInputExtensions() {
    AllowedInputExtensionList.clear();
    for (const std::string& format : InputFormatList) {
        for (const auto& [key, info] : InputExtensionTable) {
            if (info.group == format) AllowedInputExtensionList.push_back(key);
        }
    }
}

bool IsAllowedInputExtension(const std::string& extension) {
    for (const std::string& entry : AllowedInputExtensionList) {
        if (entry == extension) return true;
    }
    return false;
}

std::string BuildInputFileFilter(const std::string& allSupportedLabel,
                                 const std::string& allFilesLabel) {
    std::string allPatterns;
    std::map<std::string, std::string> byDescription;
    for (const std::string& extension : AllowedInputExtensionList) {
        std::string pattern = "*." + extension;
        allPatterns += pattern + ";";
        auto row = InputExtensionTable.find(extension);
        std::string description = row == InputExtensionTable.end() ? "" : row->second.description;
        std::string& patterns = byDescription[description];
        patterns = patterns.empty() ? pattern : pattern + ";" + patterns;
    }
    if (!allPatterns.empty()) allPatterns.pop_back();

    std::string filter = allSupportedLabel + "|" + allPatterns + "|";
    for (const auto& [description, patterns] : byDescription) {
        filter += description + "|" + patterns + "|";
    }
    filter += allFilesLabel + " (*.*)|*.*";
    return filter;
}
