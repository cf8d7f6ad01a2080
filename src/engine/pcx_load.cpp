// Loading a PCX file for the pipeline: the header guard first, then FreeImage's reader for the
// kinds it reads correctly, then the program's own reader for everything else.
#include "engine/pcx_load.h"

#include <cstdio>
#include <vector>

#include "engine/pcx_header.h"
#include "engine/pcx_reader.h"

namespace {

// Kinds of file FreeImage decodes correctly: run-length monochrome, 256-colour and RGB files.
// The rest go straight to the program's own reader, because FreeImage returns no bitmap for them
// (CGA, 4-bit packed, 2- and 3-plane, RGBA) or a wrong one: uncompressed files lose their lines,
// 16-colour planar files lose the pixels of a width that is not a multiple of 8, and files
// without palette information get their header bytes as colours.
bool FreeImageReadsKind(const PcxHeader& h) {
    if (h.encoding != 1) return false;
    if (h.bitsPerPixel == 1) return h.planes == 1;
    return h.bitsPerPixel == 8 && (h.planes == 1 || h.planes == 3);
}

// The whole file, or an empty vector when it cannot be read.
std::vector<std::uint8_t> ReadWholeFile(std::FILE* file, std::uint64_t size) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (std::fseek(file, 0, SEEK_SET) != 0 || std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size())
        bytes.clear();
    return bytes;
}

}  // namespace

Bitmap LoadPcxFile(const std::string& path, std::string& reader) {
    reader.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    std::uint8_t head[kPcxHeaderSize];
    PcxHeader header;
    long size = -1;
    const bool readable = std::fread(head, 1, sizeof head, file) == sizeof head &&
                          std::fseek(file, 0, SEEK_END) == 0 && (size = std::ftell(file)) >= 0;
    if (!readable || !ReadPcxHeader(head, sizeof head, header) ||
        !IsPcxLoadable(header, static_cast<std::uint64_t>(size))) {
        std::fclose(file);
        return nullptr;
    }
    if (FreeImageReadsKind(header)) {
        Bitmap bitmap(FreeImage_Load(FIF_PCX, path.c_str(), 0));
        if (bitmap) {
            std::fclose(file);
            reader = "FreeImage";
            return bitmap;
        }
    }
    const std::vector<std::uint8_t> bytes = ReadWholeFile(file, static_cast<std::uint64_t>(size));
    std::fclose(file);
    Bitmap bitmap = ReadPcx(bytes.data(), bytes.size());
    if (bitmap) reader = "fallback";
    return bitmap;
}

Bitmap LoadPcxMemory(const std::uint8_t* data, std::size_t size, std::string& reader) {
    reader.clear();
    PcxHeader header;
    if (!ReadPcxHeader(data, size, header) || !IsPcxLoadable(header, size)) return nullptr;
    // FreeImage's memory streams are limited to 32-bit sizes.
    if (FreeImageReadsKind(header) && size <= 0xFFFFFFFFu) {
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
