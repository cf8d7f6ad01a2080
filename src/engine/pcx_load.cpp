// Loading a PCX file for the pipeline: the header guard first, then FreeImage's reader for the
// kinds it reads correctly, then the program's own reader for everything else.
#include "engine/pcx_load.h"

#include <cstdio>
#include <vector>

#include "engine/pcx_header.h"
#include "engine/pcx_reader.h"

namespace {

// Kinds of file FreeImage decodes correctly: complete run-length monochrome, 256-colour and RGB
// files. The rest go straight to the program's own reader, because FreeImage returns no bitmap
// for them (CGA, 4-bit packed, 2- and 3-plane, RGBA, one pixel wide) or a wrong one:
// uncompressed files lose their lines, 16-colour planar files lose the pixels of a width that is
// not a multiple of 8, files without palette information get their header bytes as colours, and
// a file whose pixel data ends early, or has runs across the end of a line, or a 256-colour file
// without its palette, gets uninitialised memory for pixels or colours.
bool FreeImageReadsKind(const PcxHeader& h, const std::uint8_t* data, std::size_t size) {
    if (h.encoding != 1) return false;
    bool kind = false;
    if (h.bitsPerPixel == 1) kind = h.planes == 1;
    if (h.bitsPerPixel == 8) kind = h.planes == 3 || (h.planes == 1 && PcxHasVgaPalette(data, size));
    // FreeImage's memory streams are limited to 32-bit sizes.
    return kind && size <= 0xFFFFFFFFu && PcxDataIsRegular(data, size, h);
}

Bitmap LoadChecked(const PcxHeader& header, const std::uint8_t* data, std::size_t size, std::string& reader) {
    if (FreeImageReadsKind(header, data, size)) {
        FIMEMORY* memory = FreeImage_OpenMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size));
        Bitmap bitmap(FreeImage_LoadFromMemory(FIF_PCX, memory, 0));
        FreeImage_CloseMemory(memory);
        if (bitmap) {
            reader = "FreeImage";
            return bitmap;
        }
    }
    Bitmap bitmap = ReadPcx(data, size);
    if (bitmap) reader = "fallback";
    return bitmap;
}

}  // namespace

Bitmap LoadPcxFile(const std::string& path, std::string& reader) {
    reader.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    // The header and the size first, so that a refused file is never read whole.
    std::uint8_t head[kPcxHeaderSize];
    PcxHeader header;
    long size = -1;
    bool sound = std::fread(head, 1, sizeof head, file) == sizeof head && std::fseek(file, 0, SEEK_END) == 0 &&
                 (size = std::ftell(file)) >= 0 && ReadPcxHeader(head, sizeof head, header) &&
                 IsPcxLoadable(header, static_cast<std::uint64_t>(size));
    std::vector<std::uint8_t> bytes;
    if (sound) {
        bytes.resize(static_cast<std::size_t>(size));
        sound = std::fseek(file, 0, SEEK_SET) == 0 && std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    if (!sound) return nullptr;
    return LoadChecked(header, bytes.data(), bytes.size(), reader);
}

Bitmap LoadPcxMemory(const std::uint8_t* data, std::size_t size, std::string& reader) {
    reader.clear();
    PcxHeader header;
    if (!ReadPcxHeader(data, size, header) || !IsPcxLoadable(header, size)) return nullptr;
    return LoadChecked(header, data, size, reader);
}
