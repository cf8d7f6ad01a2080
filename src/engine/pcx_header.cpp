// Reads the PCX header and checks it against the file size before anything is decoded.
#include "engine/pcx_header.h"

#include <cstring>

namespace {

std::uint16_t Get16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// Run-length encoding turns every two bytes into at most 63, so no honest file holds more than
// 32 decoded bytes for every byte after the header.
constexpr std::uint64_t kBestRunLengthRatio = 32;

// The depths PCX writers produce: bits per pixel and planes of one scan line.
bool IsKnownDepth(unsigned bits, unsigned planes) {
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8) return false;
    return planes >= 1 && planes <= 4;
}

}  // namespace

bool ReadPcxHeader(const std::uint8_t* data, std::size_t size, PcxHeader& h) {
    if (!data || size < kPcxHeaderSize) return false;
    h.manufacturer = data[0];
    h.version = data[1];
    h.encoding = data[2];
    h.bitsPerPixel = data[3];
    h.xMin = Get16(data + 4);
    h.yMin = Get16(data + 6);
    h.xMax = Get16(data + 8);
    h.yMax = Get16(data + 10);
    std::memcpy(h.palette, data + 16, sizeof h.palette);
    h.planes = data[65];
    h.bytesPerLine = Get16(data + 66);
    h.width = h.xMax >= h.xMin ? static_cast<std::uint32_t>(h.xMax - h.xMin) + 1 : 0;
    h.height = h.yMax >= h.yMin ? static_cast<std::uint32_t>(h.yMax - h.yMin) + 1 : 0;
    return true;
}

bool IsPcxLoadable(const PcxHeader& h, std::uint64_t fileSize) {
    if (fileSize < kPcxHeaderSize || h.manufacturer != 10) return false;
    if (h.width == 0 || h.height == 0) return false;
    // A depth of 0 bits or 0 planes would pass the size checks below with no data at all.
    if (!IsKnownDepth(h.bitsPerPixel, h.planes)) return false;
    if (static_cast<std::uint64_t>(h.bytesPerLine) * 8 <
        static_cast<std::uint64_t>(h.width) * h.bitsPerPixel)
        return false;
    const std::uint64_t declared = PcxLineBytes(h) * h.height;
    return declared <= kBestRunLengthRatio * (fileSize - kPcxHeaderSize);
}
