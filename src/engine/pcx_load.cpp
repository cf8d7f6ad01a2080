// Loading a PCX file for the pipeline: the header guard first, then FreeImage's reader for the
// kinds it reads correctly, then the program's own reader for everything else.
#include "engine/pcx_load.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

Bitmap ReadOwn(const std::uint8_t* data, std::size_t size, std::string& reader) {
    Bitmap bitmap = ReadPcx(data, size);
    if (bitmap) reader = "fallback";
    return bitmap;
}

// A file mapped into memory for as long as it is read, so that checking its pixel data costs no
// copy of the whole file.
struct MappedFile {
    explicit MappedFile(const std::string& path) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
            void* mapped = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (mapped != MAP_FAILED) {
                data = static_cast<const std::uint8_t*>(mapped);
                size = static_cast<std::size_t>(info.st_size);
            }
        }
        ::close(fd);
    }
    ~MappedFile() {
        if (data) ::munmap(const_cast<std::uint8_t*>(data), size);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

}  // namespace

// FreeImage reads from the path itself: its file reading is faster than its memory streams.
// The mapping used for the checks is released before FreeImage decodes, so that the file's
// pages and the decoded picture never count against memory at the same time.
Bitmap LoadPcxFile(const std::string& path, std::string& reader) {
    reader.clear();
    {
        const MappedFile file(path);
        PcxHeader header;
        if (!ReadPcxHeader(file.data, file.size, header) || !IsPcxLoadable(header, file.size)) return nullptr;
        if (!FreeImageReadsKind(header, file.data, file.size)) return ReadOwn(file.data, file.size, reader);
    }
    if (Bitmap bitmap{FreeImage_Load(FIF_PCX, path.c_str(), 0)}) {
        reader = "FreeImage";
        return bitmap;
    }
    // FreeImage refused a kind it usually reads; the own reader checks the file again itself.
    const MappedFile file(path);
    return ReadOwn(file.data, file.size, reader);
}

Bitmap LoadPcxMemory(const std::uint8_t* data, std::size_t size, std::string& reader) {
    reader.clear();
    PcxHeader header;
    if (!ReadPcxHeader(data, size, header) || !IsPcxLoadable(header, size)) return nullptr;
    if (FreeImageReadsKind(header, data, size)) {
        FIMEMORY* memory = FreeImage_OpenMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size));
        Bitmap bitmap(FreeImage_LoadFromMemory(FIF_PCX, memory, 0));
        FreeImage_CloseMemory(memory);
        if (bitmap) {
            reader = "FreeImage";
            return bitmap;
        }
    }
    return ReadOwn(data, size, reader);
}
